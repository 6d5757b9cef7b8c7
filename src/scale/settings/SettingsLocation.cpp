#include "scale/settings/SettingsLocation.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "base/SafeFile.h"
#include "scale/settings/Settings.h"

namespace sp {

namespace {

std::string EnvText(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

// mkdir -p: every missing folder on the way, for this user only.
void MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); ; slash = folder.find('/', slash + 1)) {
        ::mkdir(folder.substr(0, slash).c_str(), 0700);
        if (slash == std::string::npos) break;
    }
}

// The permission bits do not tell everything (the superuser passes them on
// file systems that refuse every new file, such as sysfs or a read-only
// mount), so a file is really created: a nameless one where the file system
// has them, which leaves nothing behind, else a named one, removed at once.
bool CanCreateFileIn(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return false;
    std::string probe = WithSlash(folder) + ".scaleplate-probe-XXXXXX";
    fd = ::mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

}  // namespace

bool FolderWritable(const std::string& folder) {
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) != 0) return false;
    if (::geteuid() == 0 && folder.rfind("/usr/", 0) == 0) return false;
    return CanCreateFileIn(folder);
}

SettingsEnvironment ProcessSettingsEnvironment() {
    SettingsEnvironment env;
    env.xdgConfigHome = EnvText("XDG_CONFIG_HOME");
    env.home = EnvText("HOME");
    if (env.home.empty())
        if (const passwd* pw = ::getpwuid(::geteuid())) env.home = pw->pw_dir ? pw->pw_dir : "";
    env.canWrite = FolderWritable;
    return env;
}

SettingsLocation LocateSettings(const std::string& exePath, const SettingsEnvironment& env) {
    const std::string beside = SettingsPath(exePath), programFolder = ProgramFolder(exePath);
    if (FileExists(beside) || env.canWrite(programFolder)) return {beside, programFolder};
    // Relative values of XDG_CONFIG_HOME are invalid and must be ignored.
    const std::string config =
        !env.xdgConfigHome.empty() && env.xdgConfigHome[0] == '/' ? env.xdgConfigHome : WithSlash(env.home) + ".config";
    const std::string folder = WithSlash(config) + "scaleplate";
    MakeFolders(folder);
    return {folder + "/scaleplate.ini", WithSlash(env.home)};
}

SettingsLocation LocateSettings(const std::string& exePath) {
    return LocateSettings(exePath, ProcessSettingsEnvironment());
}

std::string DialogFolder(const std::string& exePath, const std::string& settingsFile, const std::string& home) {
    return settingsFile == SettingsPath(exePath) ? ProgramFolder(exePath) : WithSlash(home);
}

std::string DialogFolder(const std::string& exePath, const std::string& settingsFile) {
    return DialogFolder(exePath, settingsFile, ProcessSettingsEnvironment().home);
}

}  // namespace sp
