#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "base/Errors.h"
#include "base/SafeFile.h"
#include "support/TestDir.h"
#include "support/WriteChecks.h"

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
    ExpectFolderRefused(Throwing([](const std::string& path) { WriteFileAtomically(path, {"x"}); }), "folder");
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
    const auto write = [](const std::string& path) { WriteFileAtomically(path, {std::string(4000, 'n')}); };
    ExpectFullDiskKeepsTheOldFile(Throwing(write), "keep.bin", EWriteError().what());
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

TEST(SafeFile, TheNewFileKeepsTheOldPermissions) {
    TestDir dir;
    const std::string path = dir.Path("perm.ini");
    WriteFileAtomically(path, {"old"});
    for (mode_t mode : {0640u, 0604u, 0755u}) {
        ::chmod(path.c_str(), mode);
        WriteFileAtomically(path, {"new"});
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode);
    }
}

TEST(SafeFile, ADanglingLinkCreatesItsTarget) {
    TestDir dir;
    std::filesystem::create_symlink("made.ini", dir.Path("link.ini"));
    WriteFileAtomically(dir.Path("link.ini"), {"new"});
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("link.ini")));
    EXPECT_EQ(ReadWholeFile(dir.Path("made.ini")), "new");
    EXPECT_EQ(dir.Entries(), 2u);

    std::filesystem::create_symlink(dir.Path("missing/x.ini"), dir.Path("nowhere.ini"));
    try {
        WriteFileAtomically(dir.Path("nowhere.ini"), {"x"});
        FAIL();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + dir.Path("missing/x.ini") + "\". No such file or directory");
    }
    EXPECT_EQ(dir.Entries(), 3u);
}

TEST(SafeFile, StreamedWriteAppearsOnlyOnCommit) {
    TestDir dir;
    const std::string path = dir.Path("s.bin");
    WriteFileAtomically(path, {"old"});
    {
        SafeFileWriter out(path);
        out.Write("ab");
        out.Write("cd");
        EXPECT_EQ(ReadWholeFile(path), "old");
    }  // discarded
    EXPECT_EQ(ReadWholeFile(path), "old");
    EXPECT_EQ(dir.Entries(), 1u);
    SafeFileWriter out(path);
    out.Write("ab");
    out.Write("cd");
    out.Commit();
    EXPECT_EQ(ReadWholeFile(path), "abcd");
    EXPECT_EQ(dir.Entries(), 1u);
}

namespace {

// Runs `body` in a child process and gives its exit status (-1 when it died
// of a signal).
template <class F>
int InChild(F body) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The body's result when run as the user "nobody" (65534).
template <class F>
int AsNobody(F body) {
    return InChild([&] {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) return 99;
        try {
            return body();
        } catch (const std::exception&) {
            return 98;
        }
    });
}

}  // namespace

// A killed program leaves no temporary file in the target folder.
TEST(SafeFile, AKilledWriterLeavesNothing) {
    TestDir dir;
    const std::string path = dir.Path("big.bmp");
    const int status = InChild([&] {
        SafeFileWriter out(path);
        out.Write(std::string(100000, 'x'));
        ::raise(SIGKILL);
        return 0;
    });
    EXPECT_EQ(status, -1);
    EXPECT_EQ(dir.Entries(), 0u);
}

// Where the temporary file or the rename is refused but the file itself may
// be written, it is written in place.
TEST(SafeFile, WritesInPlaceWhereOnlyTheFileMayBeWritten) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    TestDir dir;
    ::chmod(dir.Path("").c_str(), 0755);  // nobody may not write the folder
    const std::string mine = dir.Path("mine.ini");
    WriteFileAtomically(mine, {"old content"});
    ASSERT_EQ(::chown(mine.c_str(), 65534, 65534), 0);
    EXPECT_EQ(AsNobody([&] {
                  WriteFileAtomically(mine, {"new"});
                  return 0;
              }),
              0);
    EXPECT_EQ(ReadWholeFile(mine), "new");
    EXPECT_EQ(dir.Entries(), 1u);

    // Someone else's file, writable for all, in a sticky folder.
    ::chmod(dir.Path("").c_str(), 01777);
    const std::string theirs = dir.Path("theirs.ini");
    WriteFileAtomically(theirs, {"their old content"});
    ::chmod(theirs.c_str(), 0666);
    EXPECT_EQ(AsNobody([&] {
                  WriteFileAtomically(theirs, {"ours"});
                  return 0;
              }),
              0);
    EXPECT_EQ(ReadWholeFile(theirs), "ours");
    EXPECT_EQ(dir.Entries(), 2u);

    // A file nobody may write stays refused, and untouched.
    ::chmod(theirs.c_str(), 0644);
    EXPECT_EQ(AsNobody([&] {
                  try {
                      WriteFileAtomically(theirs, {"x"});
                  } catch (const EFCreateError& e) {
                      return std::string(e.what()).ends_with("Permission denied") ? 7 : 8;
                  }
                  return 0;
              }),
              7);
    EXPECT_EQ(ReadWholeFile(theirs), "ours");
}

// A FIFO nobody writes to (like /proc/kmsg, picked in the open dialog) must
// not freeze the reader: it ends at once with what is there.
TEST(SafeFile, ReadingAFifoWithoutWriterDoesNotBlock) {
    TestDir dir;
    const std::string fifo = dir.Path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            _exit(ReadWholeFile(fifo).empty() ? 0 : 1);
        } catch (...) {
            _exit(0);  // an error is as good as an empty text: it did not hang
        }
    }
    int status = 0;
    pid_t done = 0;
    for (int i = 0; i < 100 && done == 0; ++i) {
        done = ::waitpid(child, &status, WNOHANG);
        if (done == 0) ::usleep(50000);
    }
    if (done == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    ASSERT_NE(done, 0) << "reading the FIFO blocked for 5 s";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}
