#include "main/panel/property_setters.h"

#include "main/layout/layout_error.h"

namespace dsp::layout_properties {

TbsValueType ValueTypeOf(P p) {
    return EnumValue(p, {"vtInteger", "vtFloat"}) ? TbsValueType::vtFloat : TbsValueType::vtInteger;
}

TbsSkinData* SkinDataOf(P p, H host) {
    TbsSkinData* data = host.SkinDataByName(IdentifierValue(p));
    if (!data) throw ELayoutError(p.line, "no skin data object named " + p.value.text);
    return data;
}

TbsSkinBorderStyle BorderStyleOf(P p) {
    return static_cast<TbsSkinBorderStyle>(EnumValue(p, {"bvFrame", "bvRaised", "bvLowered", "bvNone"}));
}

void SetPictureOf(TImage& image, P p, H host) {
    if (p.value.kind != LayoutValueKind::Resource) throw ELayoutError(p.line, p.name + " expects @resource");
    const EmbeddedResource* resource = host.Resource(p.value.text);
    if (!resource) throw ELayoutError(p.line, "no embedded resource named " + p.value.text);
    try {
        image.SetJpeg(resource->Bytes());
    } catch (const std::exception& error) {
        throw ELayoutError(p.line, "@" + p.value.text + ": " + error.what());
    }
}

TbsCompressedStoredSkin* StoredSkinOf(P p, H host) {
    auto* skin = dynamic_cast<TbsCompressedStoredSkin*>(host.RootForm().FindComponent(IdentifierValue(p)));
    if (!skin) throw ELayoutError(p.line, "no stored skin named " + p.value.text);
    return skin;
}

void StoreCompressedData(TbsCompressedStoredSkin& skin, P p, H host) {
    if (p.value.kind != LayoutValueKind::Resource) throw ELayoutError(p.line, p.name + " expects @resource");
    const EmbeddedResource* resource = host.Resource(p.value.text);
    if (!resource) throw ELayoutError(p.line, "no embedded resource named " + p.value.text);
    // Resources are compiled into the program, so the stream is its own.
    skin.SetCompressedData(resource->Bytes(), TbsCompressedStoredSkin::Origin::Program);
}

}  // namespace dsp::layout_properties
