#pragma once
// SkinLink: the one link from a control to its skin. It holds the skin data
// object (not owned) and the section name, finds the section by its exact
// name and hands it out typed. It hears when the skin data object is
// destroyed, forgets it and tells its control, which then draws its default
// look. Before a skin change (1225) its control forgets the section; at the
// change (1226) it looks it up again.
//
// SkinLinked is the side every skinned control shares (windowed controls,
// the std label, the bevel): SkinData, SkinDataName and the found index, on
// one link.

#include <functional>
#include <string>

#include "platform/framework/component.h"
#include "skin/data_skin_control.h"
#include "skin/skin_data_user.h"

namespace dsp {

class SkinLink : public TComponent {
  public:
    explicit SkinLink(std::string name = {}) : TComponent(nullptr), name_(std::move(name)) {}

    TbsSkinData* SkinData() const { return data_; }
    // Stores the reference only; the control decides when to read it.
    void SetSkinData(TbsSkinData* data);
    const std::string& SkinDataName() const { return name_; }
    void SetSkinDataName(std::string name) { name_ = std::move(name); }

    // The section index found by the last Read; -1 for none.
    int Index() const { return index_; }
    // Looks the section up again: -1 without skin data, while it is empty
    // (loading), or when no section has exactly this name.
    int Read();
    void Forget() { index_ = -1; }

    // The found section, or nullptr (none found, or the skin reloaded since).
    const TbsDataSkinControl* SectionData() const;
    // The found section when it is of kind T, else nullptr.
    template <class T>
    const T* Section() const {
        return dynamic_cast<const T*>(SectionData());
    }

    // Called once the destroyed skin data object has been forgotten.
    std::function<void()> OnSkinDataLost;

  protected:
    void Notification(TComponent* component, TOperation operation) override;

  private:
    TbsSkinData* data_ = nullptr;
    std::string name_;
    int index_ = -1;
};

class SkinLinked : public SkinDataUser {
  public:
    TbsSkinData* SkinData() const override { return link_.SkinData(); }
    const std::string& SkinDataName() const { return link_.SkinDataName(); }
    // A new name is looked up at once when the skin is in place; painting
    // only reads what the last look-up found.
    void SetSkinDataName(const std::string& name);
    // The section index found at the last look-up (-1: the default look).
    int SkinIndex() const { return link_.Index(); }
    const SkinLink& Link() const { return link_; }

  protected:
    explicit SkinLinked(std::string sectionName);
    // The skin data object went away: the control shows its default look.
    virtual void SkinDataLost() = 0;
    // The section name changed: look it up again (the skin may be loading).
    virtual void SkinDataNameChanged() = 0;

    SkinLink link_;
};

}  // namespace dsp
