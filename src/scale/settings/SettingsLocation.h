// Where the settings file lives. Beside the executable wherever that can
// work: a file already there is always used, and a folder the user may write
// gets the file there. An installed program (no file beside it, a folder it
// may not write) keeps its settings in the user's configuration folder
// instead, so that it neither fails at every start nor forgets every value.
#pragma once

#include <functional>
#include <string>

namespace sp {

struct SettingsLocation {
    std::string file;          // the settings file's full path
    std::string dialogFolder;  // where the file dialogs start, ending in "/"
};

// What the rule looks at, so that tests can set it without touching the
// machine: the environment and the "may this user write that folder" check.
struct SettingsEnvironment {
    std::string xdgConfigHome;  // $XDG_CONFIG_HOME, empty when unset
    std::string home;           // the user's home folder
    std::function<bool(const std::string& folder)> canWrite;
};

// The environment of this process ($XDG_CONFIG_HOME, $HOME or the password
// entry's home folder) with FolderWritable as the check.
SettingsEnvironment ProcessSettingsEnvironment();

// True when this user may create files in `folder`. The superuser may write
// anywhere, but a settings file dropped into the system's program folders
// (/usr/...) would be shared by every user and left behind by the package
// manager, so those count as not writable for it.
bool FolderWritable(const std::string& folder);

// The settings file for the program at `exePath`: SettingsPath beside it, or
// <config>/scaleplate/scaleplate.ini, where <config> is $XDG_CONFIG_HOME when
// it is an absolute path, else <home>/.config. In the second case the folder
// is created (mode 0700) when missing, so that the first-run file can be
// written there; a failure to create it shows later as the settings write
// error with the file's path.
SettingsLocation LocateSettings(const std::string& exePath, const SettingsEnvironment& env);
SettingsLocation LocateSettings(const std::string& exePath);

// The folder where the file dialogs start for a program using `settingsFile`:
// the program's folder when the file lies beside it, else the home folder.
std::string DialogFolder(const std::string& exePath, const std::string& settingsFile, const std::string& home);
std::string DialogFolder(const std::string& exePath, const std::string& settingsFile);

}  // namespace sp
