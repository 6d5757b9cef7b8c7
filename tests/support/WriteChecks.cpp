#include "support/WriteChecks.h"

#include <gtest/gtest.h>

#include <exception>
#include <filesystem>

#include "support/TestDir.h"

FileWrite Throwing(std::function<void(const std::string& path)> write) {
    return [write](const std::string& path) -> std::string {
        try {
            write(path);
        } catch (const std::exception& e) {
            return e.what();
        }
        return {};
    };
}

void ExpectFolderRefused(const FileWrite& write, const std::string& name, const std::string& tail) {
    TestDir dir;
    const std::string path = dir.Path(name);
    std::filesystem::create_directory(path);
    EXPECT_EQ(write(path), "Cannot create file \"" + path + "\". Is a directory" + tail) << name;
    EXPECT_TRUE(std::filesystem::is_directory(path)) << name;
    EXPECT_EQ(dir.Entries(), 1u) << name;
}

void ExpectFullDiskKeepsTheOldFile(const FileWrite& write, const std::string& name, const std::string& message,
                                   rlim_t bytes) {
    TestDir dir;
    dir.Write(name, "old");
    std::string answer;
    {
        FileSizeLimit limit(bytes);
        answer = write(dir.Path(name));
    }
    EXPECT_EQ(answer, message) << name;
    EXPECT_EQ(dir.Read(name), "old") << name;
    EXPECT_EQ(dir.Entries(), 1u) << name;
}
