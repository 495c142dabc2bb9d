// Windows side of the whole-file access: wide-character Win32 calls, so any
// path the user's folders can hold works.
#include "s/io/File.h"
#include "s/platform/win/WideText.h"

#include <windows.h>

namespace s::io {

using s::platform::win::wide;

namespace {

DWORD attributesOf(const char16_t* path) {
    return path == nullptr ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(wide(path));
}

} // namespace

bool File::exists(const char16_t* path) {
    DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool File::isFolder(const char16_t* path) {
    DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

File::ReadStatus File::readFile(const char16_t* path, std::vector<std::uint8_t>& bytes,
                                std::uint64_t maxSize) {
    // Sharing read and write lets the file be read while another program
    // has it open for writing; a program that shares nothing makes it
    // unreadable, which is reported, not taken for a missing file.
    HANDLE file = CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? ReadStatus::Missing
                   : ReadStatus::Unreadable;
    }
    LARGE_INTEGER size{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size) || size.QuadPart < 0) {
        CloseHandle(file);
        return ReadStatus::Unreadable;
    }
    if (static_cast<std::uint64_t>(size.QuadPart) > maxSize) {
        CloseHandle(file);
        return ReadStatus::TooLarge;
    }
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t got = 0;
    while (got < bytes.size()) {
        DWORD n = 0;
        if (!ReadFile(file, bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &n,
                      nullptr)) {
            CloseHandle(file);
            return ReadStatus::Unreadable;
        }
        if (n == 0) {
            break;
        }
        got += n;
    }
    bytes.resize(got);
    CloseHandle(file);
    return ReadStatus::Read;
}

bool File::remove(const char16_t* path) {
    if (path == nullptr) {
        return false;
    }
    return DeleteFileW(wide(path)) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

File::Handle File::createForWriting(const char16_t* path) {
    HANDLE file = CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? nullptr : static_cast<Handle>(file);
}

bool File::writeBytes(Handle handle, const std::uint8_t* bytes, std::size_t count) {
    while (count > 0) {
        DWORD piece = count > 0x40000000u ? 0x40000000u : static_cast<DWORD>(count);
        DWORD written = 0;
        if (!WriteFile(static_cast<HANDLE>(handle), bytes, piece, &written, nullptr) ||
            written == 0) {
            return false;
        }
        bytes += written;
        count -= written;
    }
    return true;
}

bool File::flushAndClose(Handle handle) {
    bool ok = FlushFileBuffers(static_cast<HANDLE>(handle)) != 0;
    ok = CloseHandle(static_cast<HANDLE>(handle)) != 0 && ok;
    return ok;
}

void File::close(Handle handle) {
    CloseHandle(static_cast<HANDLE>(handle));
}

bool File::replace(const char16_t* from, const char16_t* to) {
    return MoveFileExW(wide(from), wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           0;
}

bool File::createFolder(const char16_t* path) {
    return CreateDirectoryW(wide(path), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

} // namespace s::io
