#pragma once
// The link from a control to its skin data object. The skin data object
// (TbsSkinData) belongs to the skin layer; a control only holds a non-owning
// pointer to it and asks it for the index of its section by name.

#include <string_view>

namespace dsp {

class TbsSkinData;

// The index of the control section named exactly `name` in `data`, or -1 when
// there is no skin data, it is empty, or it has no such section (the control
// then draws its default look).
int FindSkinSection(const TbsSkinData* data, std::string_view name);

} // namespace dsp
