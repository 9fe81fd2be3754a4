#pragma once
// The texts the frame shows (button hints, system menu captions): from the
// skin's resource strings when it has them, else the English defaults.

#include <string>
#include <string_view>

namespace dsp {

class TbsSkinData;

std::string FrameText(const TbsSkinData* skin, std::string_view name);

}  // namespace dsp
