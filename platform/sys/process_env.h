#pragma once
// The process's surroundings: environment variables, its own executable and
// the existence of files.

#include <string>

namespace dsp {

// The variable's value; empty when it is unset.
std::string EnvironmentVariable(const char* name);

// The full path of the running executable. Returns 0 or errno.
int ExecutablePath(std::string& path);

// True when `path` names an existing regular file (links followed).
bool IsRegularFile(const std::string& path);

}  // namespace dsp
