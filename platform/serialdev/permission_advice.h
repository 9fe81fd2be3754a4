#pragma once
// One line of advice for a device that may not be opened: which group owns
// it and how to join that group.

#include <string>

namespace dsp {

std::string PermissionAdvice(const std::string& path);

} // namespace dsp
