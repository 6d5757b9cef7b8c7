// Whole-file reads and writes. A write never destroys the file it replaces:
// the bytes go to a temporary file in the same folder, which is renamed over
// the target only when every byte is on the disk. On any failure the old file
// stays as it was and the temporary file is removed.
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

// Writes the pieces, in order, as the whole new content of `path`.
// Throws EFCreateError(full path, reason) when the file cannot be created
// (missing folder, no right to write, `path` names a folder) and EWriteError
// when a write fails part way (a full disk). The file keeps the permissions
// of the file it replaces.
void WriteFileAtomically(const std::string& path, std::initializer_list<std::string_view> pieces);

// The whole content of `path`. Throws EFOpenError(full path, reason).
std::string ReadWholeFile(const std::string& path);

}  // namespace sp
