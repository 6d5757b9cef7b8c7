// A file is written whole or not at all, whoever writes it: the checks every
// writer of the program passes (a raw file, PNG, SVG, PDF, the command line).
#pragma once

#include <sys/resource.h>

#include <functional>
#include <string>

// Writes the file at the path it is given and answers the error text, empty
// when the file was written.
using FileWrite = std::function<std::string(const std::string& path)>;

// `write` for a writer that throws: the text of what it threw.
FileWrite Throwing(std::function<void(const std::string& path)> write);

// A folder stands where the file `name` should go: the writer answers
// "Cannot create file "<path>". Is a directory" and `tail`, and leaves no file.
void ExpectFolderRefused(const FileWrite& write, const std::string& name, const std::string& tail = "");

// The disk fills after `bytes` bytes while `name` is written over an older
// file: the writer answers `message`, the old file keeps every byte and no
// temporary file stays.
void ExpectFullDiskKeepsTheOldFile(const FileWrite& write, const std::string& name, const std::string& message,
                                   rlim_t bytes = 1000);
