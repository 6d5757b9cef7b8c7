// Running a built program of this project as a user runs it from a shell:
// its exit status and everything it printed.
#pragma once

#include <string>

struct Outcome {
    int status;  // the exit status; -1 when it did not exit normally
    std::string out, err;
};

// Runs `command` through the shell; its standard output and error are kept.
Outcome RunCommand(const std::string& command);

// Runs `program` (a path, quoted here) with `args` as the shell reads them;
// `prefix` goes before it (for example "ulimit -f 1;").
Outcome RunProgram(const std::string& program, const std::string& args, const std::string& prefix = "");

// Whether the shell finds `tool`.
bool Have(const char* tool);
