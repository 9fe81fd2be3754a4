#pragma once
// Preview sheets for people who work on the skins: each skin's pictures
// enlarged, and a mock of the program's window built from all three skins.

#include <filesystem>
#include <vector>

#include "tools/skingen/skin_builder.h"

namespace dsp::skingen {

void WritePreviews(const std::filesystem::path& dir, const std::vector<SkinFolder>& skins);

}  // namespace dsp::skingen
