#include "controls/skin_link.h"

#include "skin/skin_data.h"

namespace dsp {

// An earlier skin data object is not dropped from the notifications: a
// notice from one no longer referenced matches nothing.
void SkinLink::SetSkinData(TbsSkinData* data) {
    data_ = data;
    if (data != nullptr) FreeNotification(data);
}

int SkinLink::Read() {
    index_ = data_ == nullptr || data_->Empty() ? -1 : data_->FindControl(name_);
    return index_;
}

const TbsDataSkinControl* SkinLink::SectionData() const {
    if (index_ < 0 || data_ == nullptr || data_->Empty()) return nullptr;
    const auto& sections = data_->CtrlList();
    if (static_cast<std::size_t>(index_) >= sections.size()) return nullptr;
    const TbsDataSkinControl* section = sections[static_cast<std::size_t>(index_)].get();
    return section->IDName() == name_ ? section : nullptr;
}

void SkinLink::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove || component != data_) return;
    data_ = nullptr;
    index_ = -1;
    if (OnSkinDataLost) OnSkinDataLost();
}

void SkinLinked::SetSkinDataName(const std::string& name) {
    if (name == link_.SkinDataName()) return;
    link_.SetSkinDataName(name);
    SkinDataNameChanged();
}

SkinLinked::SkinLinked(std::string sectionName) : link_(std::move(sectionName)) {
    link_.OnSkinDataLost = [this] { SkinDataLost(); };
}

}  // namespace dsp
