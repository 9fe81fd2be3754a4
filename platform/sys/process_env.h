#pragma once
// The process's surroundings: environment variables, its own executable and
// the existence of files.

#include <string>

namespace dsp {

// The variable's value; empty when it is unset.
std::string EnvironmentVariable(const char* name);

// Where a user's settings files go: $XDG_CONFIG_HOME, else $HOME/.config on
// Linux; %APPDATA% on Windows. "." when the environment does not say.
std::string UserConfigHome();

// The folder part of a path, with its final separator ("/opt/x/" for
// "/opt/x/prog"; Windows takes '\\' as a separator too); "" when there is none.
std::string FolderOfPath(const std::string& path);

// The full path of the running executable. Returns 0 or errno.
int ExecutablePath(std::string& path);

// True when `path` names an existing regular file (links followed).
bool IsRegularFile(const std::string& path);

}  // namespace dsp
