#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace s::io {

// Whole-file access for the documents and settings files the library keeps.
// Paths are UTF-16 and may use '\' or '/' between folders on every platform.
//
// Writing never exposes a half-written file under the target name: the bytes
// go to a temporary file beside the target, which is flushed to the disk and
// then moved over the target in one step. If anything fails before that step
// (a full disk, a crash, a power cut) the target keeps its old contents.
//
// All members are static and may be used from any thread, except the fault
// switch, which tests set while no other thread writes.
class File {
public:
    // Files larger than this are refused by readAll (a settings file or a
    // document of this library is a few kilobytes; a huge file is damage).
    static constexpr std::uint64_t kMaxReadSize = 256u * 1024u * 1024u;

    // True when a file (not a folder) exists at path.
    static bool exists(const char16_t* path);
    // True when a folder exists at path.
    static bool isFolder(const char16_t* path);
    // Replaces `bytes` with the whole file; false (bytes emptied) when the file
    // is missing, unreadable or larger than kMaxReadSize.
    static bool readAll(const char16_t* path, std::vector<std::uint8_t>& bytes);
    // Creates the folder that holds `path` and every missing level above it;
    // true when the folder exists afterwards (a bare file name needs none).
    static bool createParentFolders(const char16_t* path);
    // Writes `count` bytes as the new contents of path (see the class comment),
    // creating the file's folder when it is missing. False, with the old file
    // untouched, when the new contents could not be stored completely.
    static bool writeAllReplacing(const char16_t* path, const std::uint8_t* bytes,
                                  std::size_t count);
    // Deletes a file; true when it is gone afterwards.
    static bool remove(const char16_t* path);

    // Test hook: makes the next writes fail once `atByte` bytes of a new file
    // have been written. DiskFull behaves like a write error (the temporary
    // file is removed, false is returned); ProcessDeath stops dead as a killed
    // process would, leaving the partial temporary file behind. Stays set until
    // set back to None.
    enum class WriteFault { None, DiskFull, ProcessDeath };
    static void setWriteFaultForTesting(WriteFault fault, std::uint64_t atByte);

    // The name of the temporary file used while path is being written.
    static std::vector<char16_t> temporaryPath(const char16_t* path);

private:
    // Platform primitives (File.posix.cpp, File.win.cpp). A handle is an open
    // file for writing, created empty.
    using Handle = void*;
    static Handle createForWriting(const char16_t* path);
    static bool writeBytes(Handle handle, const std::uint8_t* bytes, std::size_t count);
    // Flushes the data to the disk, then closes; false when either failed.
    static bool flushAndClose(Handle handle);
    // Closes without flushing (after a failure).
    static void close(Handle handle);
    // Moves `from` over `to` in one step, replacing `to` when it exists.
    static bool replace(const char16_t* from, const char16_t* to);
    static bool createFolder(const char16_t* path);
};

} // namespace s::io
