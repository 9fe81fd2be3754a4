#pragma once
// The type words of the [SKINCONTROLS] and [SKINOBJECTS] registries and the
// data class each selects. Words compare exactly; an unknown word selects
// nothing (nullptr), and the registry reader skips that entry.

#include <memory>
#include <string>
#include <string_view>

#include "skin/data_skin_control.h"
#include "skin/data_skin_object.h"

namespace dsp {

std::unique_ptr<TbsDataSkinControl> CreateSkinControlData(std::string_view typeWord, std::string idName);
std::unique_ptr<TbsDataSkinObject> CreateSkinObjectData(std::string_view typeWord, std::string idName);

}  // namespace dsp
