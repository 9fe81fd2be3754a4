#pragma once
// TbsCompressedSkinList: a list of stored skins to choose from by index.
// Each TbsSkinListItem owns its own stored skin; its Skin property is that
// skin in the compressed skin file form (version, length, stream).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/framework/component.h"
#include "skin/compressed_stored_skin.h"

namespace dsp {

class TbsSkinListItem {
  public:
    // Items are made by the list, which names them "bsSkin<index>".
    explicit TbsSkinListItem(std::size_t index);

    const std::string& Name() const { return name_; }
    void SetName(std::string value) { name_ = std::move(value); }
    const std::string& DisplayName() const { return name_; }
    const std::string& Description() const { return storedSkin_.Description(); }
    void SetDescription(std::string value) { storedSkin_.SetDescription(std::move(value)); }
    const std::string& FileName() const { return storedSkin_.FileName(); }
    void SetFileName(std::string value) { storedSkin_.SetFileName(std::move(value)); }
    const std::string& CompressedFileName() const { return storedSkin_.CompressedFileName(); }
    void SetCompressedFileName(std::string value) { storedSkin_.SetCompressedFileName(std::move(value)); }

    // The Skin property: read and written in the compressed skin file form.
    void ReadSkin(std::span<const std::uint8_t> bytes) { storedSkin_.LoadFromStream(bytes); }
    void WriteSkin(std::vector<std::uint8_t>& out) const { storedSkin_.SaveToStream(out); }

    TbsCompressedStoredSkin& StoredSkin() { return storedSkin_; }
    const TbsCompressedStoredSkin& StoredSkin() const { return storedSkin_; }

  private:
    std::string name_;
    TbsCompressedStoredSkin storedSkin_;
};

class TbsCompressedSkinList : public TComponent {
  public:
    explicit TbsCompressedSkinList(TComponent* owner = nullptr) : TComponent(owner) {}

    // The Skins collection.
    std::size_t Count() const { return skins_.size(); }
    TbsSkinListItem& Item(std::size_t index) { return *skins_.at(index); }
    const TbsSkinListItem& Item(std::size_t index) const { return *skins_.at(index); }
    TbsSkinListItem& Add();
    void Delete(std::size_t index);
    void Clear() { skins_.clear(); }

  private:
    std::vector<std::unique_ptr<TbsSkinListItem>> skins_;
};

}  // namespace dsp
