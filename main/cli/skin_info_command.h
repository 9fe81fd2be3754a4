#pragma once
// `dsp-panel skin-info N`: what embedded skin N (1 to 3) is made of, for
// people who make skins: the package's size, each picture's size and bit
// depth, and the number of sections of its description.

#include <iosfwd>
#include <span>
#include <string_view>

namespace dsp {

int RunSkinInfoCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace dsp
