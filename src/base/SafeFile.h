// Whole-file reads and writes. A write never destroys the file it replaces:
// the bytes go to a temporary file in the same folder (unnamed until it is
// complete, where the file system allows), which is flushed and renamed over
// the target only when every byte is on the disk. On any failure the old
// file stays as it was and nothing is left behind, also when the program is
// killed part way.
//
// Where the whole-or-nothing way is refused (a writable file in a folder the
// user may not write, or someone else's file in a sticky folder such as
// /tmp) the existing file is written in place instead, truncated first, as a
// plain write would: only then can a failure or a crash leave it short.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace sp {

// The absolute form of `path` (relative paths are taken from the current
// folder); the path itself when the current folder cannot be read.
std::string FullPath(const std::string& path);

// True when a directory entry that is not a folder exists at `path`.
bool FileExists(const std::string& path);

// A safe write in pieces, so a large picture can be written row by row
// without a second copy of it in memory:
//   SafeFileWriter out(path);  out.Write(a);  out.Write(b);  out.Commit();
// A writer destroyed without Commit discards what it wrote and leaves the
// old file as it was. A link is written through: the file it points to is
// replaced, or created when the link dangles. The new file keeps the
// permissions of the file it replaces.
class SafeFileWriter {
public:
    // Throws EFCreateError(full path, reason) when the file cannot be created
    // (missing folder, no right to write, `path` names a folder).
    explicit SafeFileWriter(const std::string& path);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Appends `data`. Throws EWriteError when a write fails (a full disk);
    // the writer is then discarded.
    void Write(std::string_view data);
    // Flushes the bytes to the disk and puts the file in place. Throws
    // EWriteError or EFCreateError; on a throw nothing is left behind.
    void Commit();
    // The file that is written (a link's target).
    const std::string& FileName() const { return full_; }

private:
    void OpenInPlace(int reason);
    void Discard();
    void CopyInPlace();

    std::string full_;    // the file that gets the content
    std::string folder_;  // its folder
    std::string tmp_;     // the temporary file's name once it has one
    unsigned mode_ = 0;   // permissions the new file gets
    int fd_ = -1;
    bool unnamed_ = false;  // fd_ is an O_TMPFILE file without a name yet
    bool inPlace_ = false;  // fd_ is the target itself
    bool failed_ = false;
};

// Writes the pieces, in order, as the whole new content of `path`, through a
// SafeFileWriter. Throws EFCreateError(full path, reason) or EWriteError.
void WriteFileAtomically(const std::string& path, std::initializer_list<std::string_view> pieces);

// The whole content of `path`. Throws EFOpenError(full path, reason).
std::string ReadWholeFile(const std::string& path);

}  // namespace sp
