#include "controls/skin_link.h"

namespace dsp {

// Skinned drawing comes with the skin layer's data object: until the controls
// link it, every control finds no section and draws its default look.
int FindSkinSection(const TbsSkinData* /*data*/, std::string_view /*name*/) { return -1; }

} // namespace dsp
