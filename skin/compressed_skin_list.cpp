#include "skin/compressed_skin_list.h"

namespace dsp {

TbsSkinListItem::TbsSkinListItem(std::size_t index) : name_("bsSkin" + std::to_string(index)) {}

TbsSkinListItem& TbsCompressedSkinList::Add() {
    skins_.push_back(std::make_unique<TbsSkinListItem>(skins_.size()));
    return *skins_.back();
}

void TbsCompressedSkinList::Delete(std::size_t index) {
    if (index < skins_.size()) skins_.erase(skins_.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace dsp
