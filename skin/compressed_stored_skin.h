#pragma once
// TbsCompressedStoredSkin: one skin in its compressed form, the zlib stream
// of a skin package. It can be built from a skin folder (skin.ini and its BMP
// files), taken from a compressed skin file (version, length, stream) or a
// byte stream of that form, and unpacked into a package again. It is a
// component, so a skin data object that loads from it hears when it goes.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/framework/component.h"
#include "skin/skin_zlib.h"

namespace dsp {

class TbsCompressedStoredSkin : public TComponent {
  public:
    explicit TbsCompressedStoredSkin(TComponent* owner = nullptr) : TComponent(owner) {}

    const std::string& Description() const { return description_; }
    void SetDescription(std::string value) { description_ = std::move(value); }
    // Name (without folder) of the skin.ini the skin was built from. Setting
    // it only stores the name; BuildFromSkinIni does the building.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string value) { fileName_ = std::move(value); }
    // Name (without folder) of the compressed skin file the stream came from.
    const std::string& CompressedFileName() const { return compressedFileName_; }
    void SetCompressedFileName(std::string value) { compressedFileName_ = std::move(value); }

    // Where a stream came from: from outside (a file, a caller), or built
    // into the program, packed and checked when the program was built.
    enum class Origin { Outside, Program };

    // The raw compressed stream, with no header of its own.
    const std::vector<std::uint8_t>& CompressedData() const { return stream_; }
    void SetCompressedData(std::span<const std::uint8_t> data, Origin origin = Origin::Outside) {
        stream_.assign(data.begin(), data.end());
        origin_ = origin;
    }

    bool IsEmpty() const { return stream_.empty(); }

    // Packs the skin.ini at `path` with the BMP files it names (beside it)
    // and compresses the package at level 9. A description without the five
    // required sections leaves the stream as it was; a missing or malformed
    // picture raises ESkinError and also leaves it as it was.
    void BuildFromSkinIni(const std::string& path);
    // Reads a compressed skin file. A version above 3 leaves the stream empty;
    // a lying length raises ESkinError (and leaves it empty).
    void LoadCompressedFile(const std::string& path);
    // The compressed skin file form, from the start of `bytes`.
    void LoadFromStream(std::span<const std::uint8_t> bytes);
    // Appends the compressed skin file form: 3, the stream length, the stream.
    void SaveToStream(std::vector<std::uint8_t>& out) const;

    // Replaces `target` with the unpacked package (4096-byte pieces, capped).
    // Only a stream from outside has its checksum compared.
    void Unpack(std::vector<std::uint8_t>& target, const InflateLimits& limits = InflateLimits{}) const;

  private:
    std::string description_;
    std::string fileName_;
    std::string compressedFileName_;
    std::vector<std::uint8_t> stream_;
    Origin origin_ = Origin::Outside;
};

// Reads a whole file, at most `maxBytes`; ESkinError when it cannot.
std::vector<std::uint8_t> ReadSkinFile(const std::string& path, std::size_t maxBytes);

}  // namespace dsp
