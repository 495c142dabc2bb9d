#include "s/io/File.h"

#include <atomic>

namespace s::io {

namespace {

std::atomic<int> faultKind{static_cast<int>(File::WriteFault::None)};
std::atomic<std::uint64_t> faultAtByte{0};

// Writes are issued in pieces of this size so that a failing disk is noticed
// early and the fault hook can stop at any byte.
constexpr std::size_t kChunkSize = 64 * 1024;

std::size_t lengthOf(const char16_t* text) {
    std::size_t length = 0;
    while (text[length] != 0) {
        ++length;
    }
    return length;
}

bool isSeparator(char16_t unit) {
    return unit == u'\\' || unit == u'/';
}

} // namespace

void File::reset() {
    path.clear();
    path.shrink_to_fit();
}

void File::setPath(const char16_t* newPath) {
    if (newPath == nullptr) {
        reset();
        return;
    }
    path.assign(newPath, lengthOf(newPath));
}

File* File::newFile(const char16_t* path) {
    File* file = newInstance();
    if (file != nullptr) {
        file->setPath(path);
    }
    return file;
}

File::ReadStatus File::read(const char16_t* path, std::vector<std::uint8_t>& bytes,
                            std::uint64_t maxSize) {
    bytes.clear();
    if (path == nullptr || path[0] == 0) {
        return ReadStatus::Missing;
    }
    ReadStatus status = readFile(path, bytes, maxSize);
    if (status != ReadStatus::Read) {
        bytes.clear();
    }
    return status;
}

void File::setWriteFaultForTesting(WriteFault fault, std::uint64_t atByte) {
    faultAtByte.store(atByte);
    faultKind.store(static_cast<int>(fault));
}

std::vector<char16_t> File::temporaryPath(const char16_t* path) {
    static const char16_t suffix[] = u".tmp";
    std::size_t length = lengthOf(path);
    std::vector<char16_t> result(path, path + length);
    result.insert(result.end(), suffix, suffix + sizeof(suffix) / sizeof(suffix[0]));
    return result; // zero-terminated: the suffix brings its terminator
}

bool File::createParentFolders(const char16_t* path) {
    if (path == nullptr) {
        return false;
    }
    std::size_t length = lengthOf(path);
    std::size_t last = length;
    for (std::size_t i = length; i > 0; --i) {
        if (isSeparator(path[i - 1])) {
            last = i - 1;
            break;
        }
    }
    if (last == length || last == 0) {
        return true; // a bare name, or a file in the root folder
    }
    std::vector<char16_t> folder(path, path + last);
    folder.push_back(0);
    if (isFolder(folder.data())) {
        return true;
    }
    // Create each level from the top; levels that exist (or cannot be made,
    // like a drive or a network share name) are passed over, and the final
    // check decides.
    for (std::size_t i = 1; i <= last; ++i) {
        if (i == last || isSeparator(path[i])) {
            if (isSeparator(path[i - 1])) {
                continue; // "a//b": no empty level
            }
            std::vector<char16_t> level(path, path + i);
            level.push_back(0);
            if (!isFolder(level.data())) {
                createFolder(level.data());
            }
        }
    }
    return isFolder(folder.data());
}

bool File::writeAllReplacing(const char16_t* path, const std::uint8_t* bytes, std::size_t count) {
    if (path == nullptr || path[0] == 0 || (bytes == nullptr && count > 0)) {
        return false;
    }
    if (!createParentFolders(path)) {
        return false;
    }
    std::vector<char16_t> temporary = temporaryPath(path);
    Handle handle = createForWriting(temporary.data());
    if (handle == nullptr) {
        return false;
    }
    auto fault = static_cast<WriteFault>(faultKind.load());
    std::uint64_t faultAt = faultAtByte.load();
    std::size_t written = 0;
    bool ok = true;
    while (ok && (written < count || (fault != WriteFault::None && written == faultAt))) {
        std::size_t piece = count - written < kChunkSize ? count - written : kChunkSize;
        if (fault != WriteFault::None && written + piece >= faultAt) {
            // The simulated failure: the bytes before the fault reach the
            // file, the rest never does.
            std::size_t before = static_cast<std::size_t>(faultAt - written);
            if (before > 0 && !writeBytes(handle, bytes + written, before)) {
                ok = false;
                break;
            }
            if (fault == WriteFault::ProcessDeath) {
                close(handle); // the system closes a dead process's files
                return false;
            }
            ok = false;
            break;
        }
        ok = writeBytes(handle, bytes + written, piece);
        written += piece;
    }
    if (!ok) {
        close(handle);
        remove(temporary.data());
        return false;
    }
    if (!flushAndClose(handle)) {
        remove(temporary.data());
        return false;
    }
    if (!replace(temporary.data(), path)) {
        remove(temporary.data());
        return false;
    }
    return true;
}

} // namespace s::io
