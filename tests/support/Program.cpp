#include "support/Program.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/TestDir.h"

Outcome RunCommand(const std::string& command) {
    TestDir tmp;
    const std::string full = command + " >'" + tmp.Path("out") + "' 2>'" + tmp.Path("err") + "'";
    const int raw = std::system(full.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, tmp.Read("out"), tmp.Read("err")};
}

Outcome RunProgram(const std::string& program, const std::string& args, const std::string& prefix) {
    return RunCommand(prefix + " '" + program + "' " + args);
}

bool Have(const char* tool) { return RunCommand(std::string("command -v ") + tool).status == 0; }
