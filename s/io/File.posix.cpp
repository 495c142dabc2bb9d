// POSIX side of the whole-file access: paths are converted to UTF-8 and both
// '\' and '/' separate folders.
#include "s/io/File.h"

#include "s/str/Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace s::io {

namespace {

// UTF-16 to UTF-8 for the file system (an unpaired surrogate becomes
// U+FFFD), with '\' turned into '/'.
std::string nativePath(const char16_t* path) {
    std::u16string units(path);
    std::replace(units.begin(), units.end(), u'\\', u'/');
    std::string result(s::str::Utf8::maxBytes(units.size()), '\0');
    result.resize(s::str::Utf8::encode(units.data(), units.size(),
                                       reinterpret_cast<std::uint8_t*>(result.data())));
    return result;
}

struct OpenFile {
    int descriptor;
};

} // namespace

bool File::exists(const char16_t* path) {
    struct stat info {};
    return path != nullptr && stat(nativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool File::isFolder(const char16_t* path) {
    struct stat info {};
    return path != nullptr && stat(nativePath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

File::ReadStatus File::readFile(const char16_t* path, std::vector<std::uint8_t>& bytes,
                                std::uint64_t maxSize) {
    int descriptor = open(nativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        // Only "no such entry" means missing; a folder above the file that is
        // really a file (ENOTDIR), no permission and the rest are obstacles.
        return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
    }
    struct stat info {};
    if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return ReadStatus::Unreadable;
    }
    if (static_cast<std::uint64_t>(info.st_size) > maxSize) {
        ::close(descriptor);
        return ReadStatus::TooLarge;
    }
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t got = 0;
    // The size may change while reading: take what is there, up to the limit.
    for (;;) {
        if (got == bytes.size()) {
            if (bytes.size() >= maxSize) {
                // Full at the limit: anything more makes the file too large.
                std::uint8_t extra = 0;
                ssize_t more = ::read(descriptor, &extra, 1);
                ::close(descriptor);
                return more > 0 ? ReadStatus::TooLarge : ReadStatus::Read;
            }
            std::size_t room = bytes.size() + 4096;
            bytes.resize(room > maxSize ? static_cast<std::size_t>(maxSize) : room);
        }
        ssize_t n = ::read(descriptor, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ::close(descriptor);
            return ReadStatus::Unreadable;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    ::close(descriptor);
    return ReadStatus::Read;
}

bool File::remove(const char16_t* path) {
    if (path == nullptr) {
        return false;
    }
    std::string native = nativePath(path);
    return unlink(native.c_str()) == 0 || errno == ENOENT;
}

File::Handle File::createForWriting(const char16_t* path) {
    int descriptor = open(nativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        return nullptr;
    }
    return new OpenFile{descriptor};
}

bool File::writeBytes(Handle handle, const std::uint8_t* bytes, std::size_t count) {
    int descriptor = static_cast<OpenFile*>(handle)->descriptor;
    while (count > 0) {
        ssize_t n = write(descriptor, bytes, count);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes += n;
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

bool File::flushAndClose(Handle handle) {
    auto* file = static_cast<OpenFile*>(handle);
    bool ok = fsync(file->descriptor) == 0;
    ok = ::close(file->descriptor) == 0 && ok;
    delete file;
    return ok;
}

void File::close(Handle handle) {
    auto* file = static_cast<OpenFile*>(handle);
    ::close(file->descriptor);
    delete file;
}

bool File::replace(const char16_t* from, const char16_t* to) {
    std::string target = nativePath(to);
    if (rename(nativePath(from).c_str(), target.c_str()) != 0) {
        return false;
    }
    // Make the new directory entry itself durable.
    std::string::size_type slash = target.rfind('/');
    std::string folder =
        slash == std::string::npos ? "." : target.substr(0, slash == 0 ? 1 : slash);
    int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        fsync(descriptor);
        ::close(descriptor);
    }
    return true;
}

bool File::createFolder(const char16_t* path) {
    return mkdir(nativePath(path).c_str(), 0755) == 0 || errno == EEXIST;
}

} // namespace s::io
