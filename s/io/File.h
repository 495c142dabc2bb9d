#pragma once
#include "s/base/IObject.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace s::io {

// A file of the file system, named by its path, with whole-file access for the
// documents and settings files the library keeps. Paths are UTF-16 and may use
// '\' or '/' between folders on every platform.
//
// Two ways to use it: the static members work on a path given with each call;
// a File object (from its pool, newInstance()) names one file and offers the
// same operations on it, so that a file can be handed around as one value
// (a document's load and save take it). A File object is owned by whoever
// took it (release()) and used by one thread at a time; the static members
// may be used from any thread, except the fault switch, which tests set while
// no other thread writes.
//
// Writing never exposes a half-written file under the target name: the bytes
// go to a temporary file beside the target, which is flushed to the disk and
// then moved over the target in one step. If anything fails before that step
// (a full disk, a crash, a power cut) the target keeps its old contents.
//
// Reading tells a missing file apart from one that is there but cannot be
// read (a folder in its place, a file another program holds open without
// sharing, no permission, a file over the caller's size limit): a caller that
// would write a fresh file where none exists must never write over one it
// merely failed to read.
class File final : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(File, u"s_io_File")

public:
    // Files larger than this are refused by readAll (a settings file or a
    // document of this library is a few kilobytes; a huge file is damage).
    static constexpr std::uint64_t kMaxReadSize = 256u * 1024u * 1024u;

    // What a read found at the path.
    enum class ReadStatus {
        Read,       // the whole file is in the bytes
        Missing,    // nothing exists at the path (or a folder above it is missing)
        Unreadable, // something is there that cannot be read as a file
        TooLarge,   // a file larger than the size limit
    };

    // ---- the file named by this object ---------------------------------------
    void reset() override;
    // The path (zero-terminated; empty when none was set).
    const char16_t* getPath() const { return path.c_str(); }
    // Names another file; a null path names none.
    void setPath(const char16_t* newPath);
    bool exists() const { return exists(getPath()); }
    bool isFolder() const { return isFolder(getPath()); }
    ReadStatus read(std::vector<std::uint8_t>& bytes, std::uint64_t maxSize = kMaxReadSize) const {
        return read(getPath(), bytes, maxSize);
    }
    bool writeAllReplacing(const std::uint8_t* bytes, std::size_t count) const {
        return writeAllReplacing(getPath(), bytes, count);
    }
    // A new File object naming path; owned by the caller, null when out of
    // memory.
    static File* newFile(const char16_t* path);

    // ---- files named by a path ------------------------------------------------
    // True when a file (not a folder) exists at path.
    static bool exists(const char16_t* path);
    // True when a folder exists at path.
    static bool isFolder(const char16_t* path);
    // Replaces `bytes` with the whole file (emptied unless the answer is
    // Read). A file larger than maxSize is not read at all.
    static ReadStatus read(const char16_t* path, std::vector<std::uint8_t>& bytes,
                           std::uint64_t maxSize = kMaxReadSize);
    // read() up to kMaxReadSize; false (bytes emptied) unless it was read.
    static bool readAll(const char16_t* path, std::vector<std::uint8_t>& bytes) {
        return read(path, bytes) == ReadStatus::Read;
    }
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
    File() { reset(); }
    ~File() override = default;

    // Platform primitives (File.posix.cpp, File.win.cpp). A handle is an open
    // file for writing, created empty.
    using Handle = void*;
    static ReadStatus readFile(const char16_t* path, std::vector<std::uint8_t>& bytes,
                               std::uint64_t maxSize);
    static Handle createForWriting(const char16_t* path);
    static bool writeBytes(Handle handle, const std::uint8_t* bytes, std::size_t count);
    // Flushes the data to the disk, then closes; false when either failed.
    static bool flushAndClose(Handle handle);
    // Closes without flushing (after a failure).
    static void close(Handle handle);
    // Moves `from` over `to` in one step, replacing `to` when it exists.
    static bool replace(const char16_t* from, const char16_t* to);
    static bool createFolder(const char16_t* path);

    std::u16string path;
};

} // namespace s::io
