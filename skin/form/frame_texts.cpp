#include "skin/form/frame_texts.h"

#include "skin/resource_str_data.h"
#include "skin/skin_data.h"

namespace dsp {

std::string FrameText(const TbsSkinData* skin, std::string_view name) {
    if (skin != nullptr && skin->ResourceStrData() != nullptr) {
        std::string text = skin->ResourceStrData()->GetResStr(name);
        if (!text.empty()) return text;
    }
    static const TbsResourceStrData defaults;
    return defaults.GetResStr(name);
}

}  // namespace dsp
