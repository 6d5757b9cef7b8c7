#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "Errors.h"
#include "SafeFile.h"
#include "TestDir.h"

using namespace sp;

TEST(SafeFile, WritesReplacesAndReadsBack) {
    TestDir dir;
    const std::string path = dir.Path("a.txt");
    WriteFileAtomically(path, {"hello ", "world"});
    EXPECT_EQ(ReadWholeFile(path), "hello world");
    WriteFileAtomically(path, {"x"});
    EXPECT_EQ(ReadWholeFile(path), "x");
    WriteFileAtomically(path, {});
    EXPECT_EQ(ReadWholeFile(path), "");
    EXPECT_EQ(dir.Entries(), 1u);
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(FileExists(dir.Path("")));
}

TEST(SafeFile, CreateErrorsNameTheFullPathAndReason) {
    TestDir dir;
    try {
        WriteFileAtomically(dir.Path("missing/a.bmp"), {"x"});
        FAIL();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + dir.Path("missing/a.bmp") + "\". No such file or directory");
    }
    std::filesystem::create_directory(dir.Path("folder"));
    try {
        WriteFileAtomically(dir.Path("folder"), {"x"});
        FAIL();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + dir.Path("folder") + "\". Is a directory");
    }
    try {
        ReadWholeFile(dir.Path("nothing.txt"));
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + dir.Path("nothing.txt") + "\". No such file or directory");
    }
}

// A full disk, simulated with the file-size limit: the write fails, the old
// file keeps every byte, and no temporary file is left behind.
TEST(SafeFile, FailedWriteKeepsTheOldFile) {
    TestDir dir;
    const std::string path = dir.Path("keep.bin");
    const std::string old(5000, 'o');
    WriteFileAtomically(path, {old});
    {
        FileSizeLimit limit(1000);
        EXPECT_THROW(WriteFileAtomically(path, {std::string(4000, 'n')}), EWriteError);
    }
    EXPECT_EQ(ReadWholeFile(path), old);
    EXPECT_EQ(dir.Entries(), 1u);
}

TEST(SafeFile, ALinkIsWrittenThrough) {
    TestDir dir;
    WriteFileAtomically(dir.Path("real.ini"), {"old"});
    std::filesystem::create_symlink(dir.Path("real.ini"), dir.Path("link.ini"));
    WriteFileAtomically(dir.Path("link.ini"), {"new"});
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("link.ini")));
    EXPECT_EQ(ReadWholeFile(dir.Path("real.ini")), "new");
    EXPECT_EQ(dir.Entries(), 2u);
}
