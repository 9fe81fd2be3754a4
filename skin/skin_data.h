#pragma once
// TbsSkinData: one loaded skin. It unpacks a stored skin, keeps its pictures
// (as BMP files, decoded by the drawing layer), its descriptive texts, the
// frame description, colours, pop-up and hint looks, and the data objects of
// its frame objects and control kinds, which frames and controls find by
// section name.
//
// Loading announces itself: before change (1225), change (1226) and after
// change (1227) are sent, with this object as first parameter and
// kSkinMessageParam as second, to the owner window first and then to every
// other top-level window of the application, each synchronously. A message
// sink, when set, takes them instead (tools and tests without windows).

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/framework/component.h"
#include "platform/framework/messages.h"
#include "platform/graphics/bitmap.h"
#include "skin/compressed_skin_list.h"
#include "skin/compressed_stored_skin.h"
#include "skin/data_skin_control.h"
#include "skin/data_skin_object.h"
#include "skin/resource_str_data.h"
#include "skin/skin_form_data.h"
#include "skin/skin_ini.h"
#include "skin/skin_picture.h"

namespace dsp {

class TbsSkinData : public TComponent {
  public:
    using MessageSink = std::function<void(TbsSkinData& sender, std::uint32_t message)>;

    explicit TbsSkinData(TComponent* owner = nullptr) : TComponent(owner) {}

    // --- published properties
    bool SkinnableForm() const { return skinnableForm_; }
    void SetSkinnableForm(bool value);  // a change sends 1294
    bool EnableSkinEffects() const { return enableSkinEffects_; }
    void SetEnableSkinEffects(bool value) { enableSkinEffects_ = value; }
    // Non-owning; cleared when that component is destroyed (so are the two
    // references below). Setting it loads that stored skin.
    TbsCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }
    void SetCompressedStoredSkin(TbsCompressedStoredSkin* value);
    // Non-owning. Setting it sends 1274.
    TbsResourceStrData* ResourceStrData() const { return resourceStrData_; }
    void SetResourceStrData(TbsResourceStrData* value);
    // Non-owning. Setting it loads item SkinIndex when that lies in the list.
    TbsCompressedSkinList* SkinList() const { return skinList_; }
    void SetSkinList(TbsCompressedSkinList* value);
    // Without a list any value is stored; with one, an index outside it is
    // ignored and one inside it loads that item's skin.
    int SkinIndex() const { return skinIndex_; }
    void SetSkinIndex(int value);

    // Where the skin change messages go instead of the application's windows.
    void SetMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }

    // --- loading
    // Unpacks and reads a stored skin (nothing happens for an empty one). An
    // error ends the load there and reaches the caller; what was read before
    // it stays, and Empty() and Changing() stay set.
    void LoadFromCompressedStoredSkin(const TbsCompressedStoredSkin& storedSkin);
    // Frees every data object and picture and resets the colours.
    void ClearAll();

    // Index of the data object whose IDName is exactly `name`, or -1.
    int GetIndexByName(std::string_view name) const;         // frame objects
    int GetControlIndexByName(std::string_view name) const;  // control kinds
    int FindObject(std::string_view name) const { return GetIndexByName(name); }
    int FindControl(std::string_view name) const { return GetControlIndexByName(name); }

    // --- state
    bool Empty() const { return empty_; }
    bool Changing() const { return changing_; }
    const SkinPicture& Picture() const { return picture_; }
    const SkinPicture& InActivePicture() const { return inActivePicture_; }
    const SkinPicture& Mask() const { return mask_; }
    const std::vector<SkinPicture>& ActivePictures() const { return activePictures_; }
    // The same pictures decoded by the drawing layer (empty where the
    // package has no picture). A load checks every picture as the decoder
    // would, so a damaged one ends the load (and none of its pictures is
    // ever decoded); each is decoded when it is first asked for (a picture of
    // the list on its own, or the whole list), and stays until the next load.
    // A skin usually paints from a few of its pictures only.
    const Bitmap& PictureBitmap() const { return Decoded(picture_, pictureBitmap_); }
    const Bitmap& InActivePictureBitmap() const { return Decoded(inActivePicture_, inActivePictureBitmap_); }
    const Bitmap& MaskBitmap() const { return Decoded(mask_, maskBitmap_); }
    const std::vector<Bitmap>& ActivePictureBitmaps() const;
    // The number of decodable pictures in the list (none before a load
    // checked them), and one of them (`index` below that number).
    std::size_t ActivePictureCount() const { return activePictureBitmaps_.size(); }
    const Bitmap& ActivePictureBitmap(std::size_t index) const;
    // The decoded picture at `index` of the list; nullptr for -1, an index
    // past the end, or a slot without a picture.
    const Bitmap* Picture(int index) const;
    const std::string& PictureName() const { return pictureName_; }
    const std::string& InActivePictureName() const { return inActivePictureName_; }
    const std::string& MaskName() const { return maskName_; }
    const std::vector<std::string>& ActivePictureNames() const { return activePictureNames_; }
    const std::string& SkinName() const { return skinName_; }
    const std::string& SkinAuthor() const { return skinAuthor_; }
    const std::string& AuthorEmail() const { return authorEmail_; }
    const std::string& AuthorURL() const { return authorURL_; }
    const std::string& SkinComments() const { return skinComments_; }
    const TbsSkinFormData& FormData() const { return formData_; }
    const TbsSkinColors& SkinColors() const { return skinColors_; }
    const TbsDataSkinPopupWindow& PopupWindow() const { return popupWindow_; }
    const TbsDataSkinHintWindow& HintWindow() const { return hintWindow_; }
    const std::vector<std::unique_ptr<TbsDataSkinObject>>& ObjectList() const { return objectList_; }
    const std::vector<std::unique_ptr<TbsDataSkinControl>>& CtrlList() const { return ctrlList_; }

  protected:
    // Clears a reference to a stored skin, resource strings or skin list
    // that is being destroyed.
    void Notification(TComponent* component, TOperation operation) override;

  private:
    void Broadcast(std::uint32_t message);
    void LoadFromSkinListItem();
    void CheckDecodedSize() const;
    void CheckPictures() const;
    const Bitmap& Decoded(const SkinPicture& picture, std::optional<Bitmap>& cache) const;
    void ReadText(const SkinIni& ini);
    void ReadObjectRegistry(const SkinIni& ini);
    void ReadControlRegistry(const SkinIni& ini);

    bool skinnableForm_ = true;
    bool enableSkinEffects_ = true;
    TbsCompressedStoredSkin* compressedStoredSkin_ = nullptr;
    TbsResourceStrData* resourceStrData_ = nullptr;
    TbsCompressedSkinList* skinList_ = nullptr;
    int skinIndex_ = 0;
    MessageSink messageSink_;

    bool empty_ = true;
    bool changing_ = false;
    SkinPicture picture_, inActivePicture_, mask_;
    std::vector<SkinPicture> activePictures_;
    bool picturesChecked_ = false;  // only checked pictures are ever decoded
    mutable std::optional<Bitmap> pictureBitmap_, inActivePictureBitmap_, maskBitmap_;
    // One slot per picture of the list once checked, filled when decoded.
    mutable std::vector<Bitmap> activePictureBitmaps_;
    mutable std::vector<bool> activePictureDecoded_;
    std::string pictureName_, inActivePictureName_, maskName_;
    std::vector<std::string> activePictureNames_;
    std::string skinName_, skinAuthor_, authorEmail_, authorURL_, skinComments_;
    TbsSkinFormData formData_;
    TbsSkinColors skinColors_;
    TbsDataSkinPopupWindow popupWindow_;
    TbsDataSkinHintWindow hintWindow_;
    std::vector<std::unique_ptr<TbsDataSkinObject>> objectList_;
    std::vector<std::unique_ptr<TbsDataSkinControl>> ctrlList_;
};

}  // namespace dsp
