#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sys/stat.h>

#include "scale/settings/Settings.h"
#include "scale/settings/SettingsLocation.h"
#include "support/TestDir.h"

using namespace sp;

namespace {

// A program folder inside `dir`, a home folder beside it, and a write check
// that answers what the test says (the superuser may write any folder, so a
// real read-only folder is tested once, below).
struct Machine {
    TestDir dir;
    bool programFolderWritable = false;
    std::string exe = dir.Path("bin") + "/scaleplate";
    Machine() {
        std::filesystem::create_directories(dir.Path("bin"));
        std::filesystem::create_directories(dir.Path("home"));
    }
    SettingsEnvironment Env(const std::string& xdg = "") const {
        SettingsEnvironment env;
        env.xdgConfigHome = xdg;
        env.home = dir.Path("home");
        const std::string bin = dir.Path("bin") + "/";
        const bool writable = programFolderWritable;
        env.canWrite = [bin, writable](const std::string& folder) {
            EXPECT_EQ(folder, bin);
            return writable;
        };
        return env;
    }
};

}  // namespace

TEST(SettingsLocation, WritableProgramFolderKeepsTheFileBesideTheProgram) {
    Machine m;
    m.programFolderWritable = true;
    const SettingsLocation loc = LocateSettings(m.exe, m.Env());
    EXPECT_EQ(loc.file, m.dir.Path("bin") + "/scaleplate.ini");
    EXPECT_EQ(loc.dialogFolder, m.dir.Path("bin") + "/");
    EXPECT_FALSE(FileExistsAt(m.dir.Path("home") + "/.config"));
}

TEST(SettingsLocation, FileBesideAReadOnlyProgramIsStillUsed) {
    Machine m;
    m.dir.Write("bin/scaleplate.ini", "[Dimensions]\r\nWidth=99\r\n");
    const SettingsLocation loc = LocateSettings(m.exe, m.Env(m.dir.Path("xdg")));
    EXPECT_EQ(loc.file, m.dir.Path("bin") + "/scaleplate.ini");
    EXPECT_EQ(loc.dialogFolder, m.dir.Path("bin") + "/");
    EXPECT_FALSE(FileExistsAt(m.dir.Path("xdg")));
}

TEST(SettingsLocation, ReadOnlyProgramWithoutFileUsesTheConfigFolderUnderHome) {
    Machine m;
    const SettingsLocation loc = LocateSettings(m.exe, m.Env());
    const std::string folder = m.dir.Path("home") + "/.config/scaleplate";
    EXPECT_EQ(loc.file, folder + "/scaleplate.ini");
    EXPECT_EQ(loc.dialogFolder, m.dir.Path("home") + "/");
    ASSERT_TRUE(std::filesystem::is_directory(folder));
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    // The first-run file can now be made there, with the first-run values.
    CreateSettings(loc.file);
    FormFields f;
    std::int32_t dpi = 0;
    LoadSettings(loc.file, f, dpi);
    EXPECT_EQ(f.radius, "15");
    EXPECT_EQ(dpi, 600);
}

TEST(SettingsLocation, XdgConfigHomeWinsWhenAbsoluteAndIsIgnoredWhenRelative) {
    Machine m;
    const std::string xdg = m.dir.Path("x/deeper");
    EXPECT_EQ(LocateSettings(m.exe, m.Env(xdg)).file, xdg + "/scaleplate/scaleplate.ini");
    EXPECT_TRUE(std::filesystem::is_directory(xdg + "/scaleplate"));
    EXPECT_EQ(LocateSettings(m.exe, m.Env("relative/cfg")).file,
              m.dir.Path("home") + "/.config/scaleplate/scaleplate.ini");
}

TEST(SettingsLocation, AFolderNamedLikeTheFileIsNoSettingsFile) {
    Machine m;
    std::filesystem::create_directory(m.dir.Path("bin/scaleplate.ini"));
    EXPECT_EQ(LocateSettings(m.exe, m.Env()).file, m.dir.Path("home") + "/.config/scaleplate/scaleplate.ini");
}

TEST(SettingsLocation, DialogsStartBesideTheProgramOnlyWhenTheFileIsThere) {
    EXPECT_EQ(DialogFolder("/opt/sp/scaleplate", "/opt/sp/scaleplate.ini", "/home/u"), "/opt/sp/");
    EXPECT_EQ(DialogFolder("/usr/bin/scaleplate", "/home/u/.config/scaleplate/scaleplate.ini", "/home/u"), "/home/u/");
    EXPECT_EQ(DialogFolder("/usr/bin/scaleplate", "/h/.config/scaleplate/scaleplate.ini", "/h/"), "/h/");
}

TEST(SettingsLocation, FolderWritableAsksTheSystem) {
    TestDir dir;
    EXPECT_TRUE(FolderWritable(dir.Path("") + "/"));
    EXPECT_FALSE(FolderWritable(dir.Path("missing") + "/"));
    // sysfs refuses even the superuser; for other users a 0555 folder does.
    std::string readOnly = "/sys/kernel/";
    if (::geteuid() != 0) {
        readOnly = dir.Path("ro") + "/";
        std::filesystem::create_directory(readOnly);
        ::chmod(readOnly.c_str(), 0555);
    }
    if (std::filesystem::is_directory(readOnly)) {
        EXPECT_FALSE(FolderWritable(readOnly));
    }
    // The superuser may write /usr/bin, but an installed program's settings
    // must not land there.
    if (::geteuid() == 0 && std::filesystem::is_directory("/usr/bin")) {
        EXPECT_FALSE(FolderWritable("/usr/bin/"));
    }
}
