// The picture's bytes reach the disk before its name does: seen from outside
// the program, in the system calls scaleplate-render makes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "support/TestDir.h"

TEST(SafeWriteTrace, TheFileIsFlushedBeforeItGetsItsName) {
    if (std::system("command -v strace >/dev/null 2>&1") != 0) GTEST_SKIP() << "strace is not installed";
    TestDir dir;
    const std::string out = dir.Path("a.bmp");
    const std::string cmd = "strace -f -o '" + dir.Path("trace") + "' -e trace=fsync,fdatasync,rename,renameat,renameat2,linkat '" +
                            SCALEPLATE_RENDER "' --output '" + out + "' >/dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0 && dir.Read("trace").find("PTRACE") != std::string::npos)
        GTEST_SKIP() << "tracing is not allowed here";
    ASSERT_TRUE(FileExistsAt(out));
    std::istringstream trace(dir.Read("trace"));
    std::string line;
    bool flushed = false, named = false;
    while (std::getline(trace, line)) {
        if (line.find("fsync(") != std::string::npos || line.find("fdatasync(") != std::string::npos) flushed = true;
        if (line.find("linkat(") != std::string::npos || line.find("rename") != std::string::npos) {
            EXPECT_TRUE(flushed) << "named before it was flushed: " << line;
            named = true;
            break;
        }
    }
    EXPECT_TRUE(named) << dir.Read("trace");
}
