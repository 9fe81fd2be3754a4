#include "skin/skin_data.h"

#include <memory>
#include <optional>

#include "platform/framework/application.h"
#include "platform/framework/control.h"
#include "platform/graphics/bmp_file.h"
#include "skin/skin_error.h"
#include "skin/skin_kinds.h"
#include "skin/skin_package.h"
#include "skin/skin_values.h"

namespace dsp {
namespace {

struct RegistryEntry {
    std::string name;
    std::string typeWord;
};

// "section:type", split at the first ":"; no ":" gives an empty name and type.
RegistryEntry SplitEntry(const std::string& entry) {
    std::size_t colon = entry.find(':');
    if (colon == std::string::npos) return {};
    return {entry.substr(0, colon), entry.substr(colon + 1)};
}

// A file the reader would refuse (truncated pixels, a palette index beyond
// its palette, a size its length cannot hold) ends the load with the picture
// named, before anything draws from it.
void Check(const SkinPicture& picture, const std::string& what) {
    if (picture.Empty()) return;
    try {
        CheckBmp(picture.Bytes());
    } catch (const PictureError& error) {
        throw ESkinError(what + ": " + error.what());
    }
}

template <class List>
int IndexByName(const List& list, std::string_view name) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i]->IDName() == name) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

void TbsSkinData::SetSkinnableForm(bool value) {
    if (skinnableForm_ == value) return;
    skinnableForm_ = value;
    Broadcast(kWmChangeFormSkinnable);
}

// Each reference asks to hear of its component's destruction. An earlier
// partner is not dropped: a notice from one no longer referenced matches
// nothing.
void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* value) {
    compressedStoredSkin_ = value;
    if (value == nullptr) return;
    FreeNotification(value);
    LoadFromCompressedStoredSkin(*value);
}

void TbsSkinData::SetResourceStrData(TbsResourceStrData* value) {
    resourceStrData_ = value;
    if (value != nullptr) FreeNotification(value);
    Broadcast(kWmChangeResStrData);
}

void TbsSkinData::SetSkinList(TbsCompressedSkinList* value) {
    skinList_ = value;
    if (value != nullptr) FreeNotification(value);
    LoadFromSkinListItem();
}

void TbsSkinData::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == compressedStoredSkin_) compressedStoredSkin_ = nullptr;
    if (component == resourceStrData_) resourceStrData_ = nullptr;
    if (component == skinList_) skinList_ = nullptr;
}

void TbsSkinData::SetSkinIndex(int value) {
    if (value == skinIndex_) return;
    if (skinList_ == nullptr) {
        skinIndex_ = value;
        return;
    }
    if (value < 0 || static_cast<std::size_t>(value) >= skinList_->Count()) return;
    skinIndex_ = value;
    LoadFromSkinListItem();
}

void TbsSkinData::LoadFromSkinListItem() {
    if (skinList_ == nullptr || skinIndex_ < 0 ||
        static_cast<std::size_t>(skinIndex_) >= skinList_->Count()) {
        return;
    }
    LoadFromCompressedStoredSkin(skinList_->Item(static_cast<std::size_t>(skinIndex_)).StoredSkin());
}

void TbsSkinData::Broadcast(std::uint32_t message) {
    if (messageSink_) {
        messageSink_(*this, message);
    } else if (Application != nullptr) {
        // The owner is a window when the skin data sits on a form; the
        // application sends to it first, then to the other forms.
        Application->Broadcast(dynamic_cast<TControl*>(Owner()), message,
                               reinterpret_cast<std::uintptr_t>(this), kSkinMessageParam);
    }
}

void TbsSkinData::ClearAll() {
    objectList_.clear();
    ctrlList_.clear();
    activePictures_.clear();
    picturesChecked_ = false;
    activePictureBitmaps_.clear();
    activePictureDecoded_.clear();
    pictureBitmap_.reset();
    inActivePictureBitmap_.reset();
    maskBitmap_.reset();
    popupWindow_.WindowPictureIndex = -1;
    hintWindow_.WindowPictureIndex = -1;
    activePictureNames_.clear();
    skinColors_.SetDefault();
    picture_.Clear();
    inActivePicture_.Clear();
    mask_.Clear();
    pictureName_.clear();
    maskName_.clear();
}

void TbsSkinData::LoadFromCompressedStoredSkin(const TbsCompressedStoredSkin& storedSkin) {
    if (storedSkin.IsEmpty()) return;
    empty_ = true;
    changing_ = true;
    Broadcast(kWmBeforeChangeSkinData);
    ClearAll();

    std::optional<SkinPackage> package;
    {
        auto bytes = std::make_shared<std::vector<std::uint8_t>>();
        storedSkin.Unpack(*bytes);
        package = ReadSkinPackage(std::move(bytes));
    }
    if (!package) {
        // A package from a later format: nothing of it can be read. The skin
        // stays empty, and no frame waits for a change that will not come.
        changing_ = false;
        return;
    }
    picture_ = std::move(package->Picture);
    inActivePicture_ = std::move(package->InactivePicture);
    mask_ = std::move(package->Mask);
    activePictures_ = std::move(package->Pictures);
    CheckDecodedSize();
    CheckPictures();
    picturesChecked_ = true;
    activePictureBitmaps_.assign(activePictures_.size(), Bitmap());
    activePictureDecoded_.assign(activePictures_.size(), false);
    ReadText(SkinIni::FromText(package->Text));

    empty_ = false;
    Broadcast(kWmChangeSkinData);
    changing_ = false;
    Broadcast(kWmAfterChangeSkinData);
}

// A 1-bit picture grows 32 times when decoded, so a package of a few
// megabytes could ask for gigabytes. The pictures' sizes, as their headers
// give them, are added up before anything is decoded.
void TbsSkinData::CheckDecodedSize() const {
    constexpr std::uint64_t kBudget = 256u << 20;
    auto bytes = [](const SkinPicture& p) {
        return std::uint64_t(p.Width()) * std::uint64_t(p.Height()) * 4;
    };
    std::uint64_t total = bytes(picture_) + bytes(inActivePicture_) + bytes(mask_);
    for (const SkinPicture& p : activePictures_) total += bytes(p);
    if (total > kBudget) {
        throw ESkinError("the pictures would take " + std::to_string(total >> 20) +
                         " MiB decoded, more than the 256 MiB one skin may use");
    }
}

void TbsSkinData::CheckPictures() const {
    Check(picture_, "main picture");
    Check(inActivePicture_, "inactive picture");
    Check(mask_, "mask");
    for (std::size_t i = 0; i < activePictures_.size(); ++i) {
        Check(activePictures_[i], "picture " + std::to_string(i));
    }
}

// Checked pictures decode without fail; a load that failed leaves none.
const Bitmap& TbsSkinData::Decoded(const SkinPicture& picture, std::optional<Bitmap>& cache) const {
    if (!cache) cache = picture.Empty() || !picturesChecked_ ? Bitmap() : DecodeBmp(picture.Bytes());
    return *cache;
}

const Bitmap& TbsSkinData::ActivePictureBitmap(std::size_t index) const {
    if (!activePictureDecoded_[index]) {
        const SkinPicture& picture = activePictures_[index];
        if (!picture.Empty()) activePictureBitmaps_[index] = DecodeBmp(picture.Bytes());
        activePictureDecoded_[index] = true;
    }
    return activePictureBitmaps_[index];
}

const std::vector<Bitmap>& TbsSkinData::ActivePictureBitmaps() const {
    for (std::size_t i = 0; i < activePictureBitmaps_.size(); ++i) ActivePictureBitmap(i);
    return activePictureBitmaps_;
}

const Bitmap* TbsSkinData::Picture(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= ActivePictureCount()) return nullptr;
    const Bitmap& picture = ActivePictureBitmap(static_cast<std::size_t>(index));
    return picture.Empty() ? nullptr : &picture;
}

void TbsSkinData::ReadText(const SkinIni& ini) {
    skinName_ = ini.ReadString("VERSION", "skinname", "");
    skinAuthor_ = ini.ReadString("VERSION", "skinauthor", "");
    authorEmail_ = ini.ReadString("VERSION", "authoremail", "");
    authorURL_ = ini.ReadString("VERSION", "authorurl", "");
    skinComments_ = ini.ReadString("VERSION", "skincomments", "");
    pictureName_ = ini.ReadString("PICTURES", "picture", "");
    inActivePictureName_ = ini.ReadString("PICTURES", "inactivepicture", "");
    maskName_ = ini.ReadString("PICTURES", "mask", "");
    activePictureNames_ = ReadSkinList(ini, "PICTURES", "activepictures");
    formData_.LoadFromFile(ini);
    popupWindow_.LoadFromFile(ini);
    hintWindow_.LoadFromFile(ini);
    skinColors_.LoadFromFile(ini);
    ReadObjectRegistry(ini);
    ReadControlRegistry(ini);
}

void TbsSkinData::ReadObjectRegistry(const SkinIni& ini) {
    // The registry is a list whose name is empty: "count", then "0", "1", ...
    for (const std::string& text : ReadSkinList(ini, "SKINOBJECTS", "")) {
        RegistryEntry entry = SplitEntry(text);
        auto data = CreateSkinObjectData(entry.typeWord, entry.name);
        if (!data) continue;
        objectList_.push_back(std::move(data));
        objectList_.back()->LoadFromFile(ini);
    }
}

void TbsSkinData::ReadControlRegistry(const SkinIni& ini) {
    for (const std::string& text : ReadSkinList(ini, "SKINCONTROLS", "")) {
        RegistryEntry entry = SplitEntry(text);
        auto data = CreateSkinControlData(entry.typeWord, entry.name);
        if (!data) continue;
        ctrlList_.push_back(std::move(data));
        ctrlList_.back()->LoadFromFile(ini);
    }
}

int TbsSkinData::GetIndexByName(std::string_view name) const { return IndexByName(objectList_, name); }

int TbsSkinData::GetControlIndexByName(std::string_view name) const { return IndexByName(ctrlList_, name); }

}  // namespace dsp
