#include "main/panel/panel_skins.h"

#include "main/layout/layout_error.h"
#include "skin/compressed_stored_skin.h"
#include "skin/skin_data.h"

namespace dsp {
namespace {

bool Flag(const LayoutProperty& property) {
    if (property.value.IsIdentifier("True")) return true;
    if (property.value.IsIdentifier("False")) return false;
    throw ELayoutError(property.line, property.name + " expects True or False");
}

}  // namespace

struct PanelSkins::Impl {
    TbsCompressedStoredSkin stored[3];
    TbsSkinData data[3];

    // 0..2 for "<prefix>1".."<prefix>3", else -1.
    static int Number(std::string_view name, std::string_view prefix) {
        if (name.size() != prefix.size() + 1 || !name.starts_with(prefix)) return -1;
        const char digit = name.back();
        return digit >= '1' && digit <= '3' ? digit - '1' : -1;
    }

    void LoadStored(TbsCompressedStoredSkin& skin, const LayoutObject& object, const ResourceTable& resources,
                    std::vector<std::string>& unapplied) {
        for (const LayoutProperty& property : object.properties) {
            if (property.name == "FileName" && property.value.kind == LayoutValueKind::String) {
                skin.SetFileName(property.value.text);
            } else if (property.name == "CompressedData" &&
                       property.value.kind == LayoutValueKind::Resource) {
                // Until the skins are embedded the controls draw their default look.
                if (const EmbeddedResource* bytes = resources.Find(property.value.text))
                    skin.SetCompressedData(bytes->Bytes());
                else
                    unapplied.push_back(object.name + "." + property.name);
            } else {
                throw ELayoutError(property.line, "TbsCompressedStoredSkin cannot take " + property.name);
            }
        }
    }

    void LoadData(TbsSkinData& skinData, const LayoutObject& object) {
        for (const LayoutProperty& property : object.properties) {
            if (property.name == "SkinnableForm") {
                skinData.SetSkinnableForm(Flag(property));
            } else if (property.name == "EnableSkinEffects") {
                skinData.SetEnableSkinEffects(Flag(property));
            } else if (property.name == "SkinIndex" && property.value.kind == LayoutValueKind::Integer) {
                skinData.SetSkinIndex(property.value.integer);
            } else if (property.name == "CompressedStoredSkin") {
                const int n = Number(property.value.text, "bsCompressedStoredSkin");
                if (n < 0) throw ELayoutError(property.line, "no stored skin named " + property.value.text);
                if (!stored[n].IsEmpty()) skinData.SetCompressedStoredSkin(&stored[n]);
            } else {
                throw ELayoutError(property.line, "TbsSkinData cannot take " + property.name);
            }
        }
    }
};

PanelSkins::PanelSkins() : impl_(std::make_unique<Impl>()) {}
PanelSkins::~PanelSkins() = default;

TbsSkinData* PanelSkins::DataByName(std::string_view name) {
    const int n = Impl::Number(name, "bsSkinData");
    return n < 0 ? nullptr : &impl_->data[n];
}

bool PanelSkins::Load(const LayoutObject& object, const ResourceTable& resources,
                      std::vector<std::string>& unapplied) {
    if (object.className == "TbsCompressedStoredSkin") {
        const int n = Impl::Number(object.name, "bsCompressedStoredSkin");
        if (n < 0) return false;
        impl_->LoadStored(impl_->stored[n], object, resources, unapplied);
        return true;
    }
    if (object.className == "TbsSkinData") {
        const int n = Impl::Number(object.name, "bsSkinData");
        if (n < 0) return false;
        impl_->LoadData(impl_->data[n], object);
        return true;
    }
    return false;
}

}  // namespace dsp
