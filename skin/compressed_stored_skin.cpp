#include "skin/compressed_stored_skin.h"

#include <array>
#include <filesystem>
#include <fstream>

#include "skin/skin_error.h"
#include "skin/skin_ini.h"
#include "skin/skin_package.h"
#include "skin/skin_values.h"

namespace dsp {
namespace {

constexpr std::size_t kMaxSkinFile = 64u << 20;
constexpr std::array<const char*, 5> kRequiredSections = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS",
                                                          "SKINCONTROLS"};

std::uint32_t LittleEndian32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void AppendLittleEndian32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// A BMP file of the skin folder, framed as the package needs it. Some writers
// leave the header's total length 0 or wrong; the package finds the next
// field by that length, so it is set to the file's real length.
SkinPicture LoadBmpFile(const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes = ReadSkinFile(path.string(), kMaxSkinFile);
    if (bytes.size() >= 6) {
        auto n = static_cast<std::uint32_t>(bytes.size());
        for (int i = 0; i < 4; ++i) bytes[2 + i] = static_cast<std::uint8_t>(n >> (8 * i));
    }
    return SkinPicture::FromBmp(bytes, path.string());
}

// A fixed slot: an empty name, or a picture of no pixels, is an empty slot.
SkinPicture LoadSlot(const std::filesystem::path& folder, const std::string& name) {
    if (name.empty()) return {};
    SkinPicture picture = LoadBmpFile(folder / name);
    if (picture.Width() == 0 || picture.Height() == 0) return {};
    return picture;
}

}  // namespace

std::vector<std::uint8_t> ReadSkinFile(const std::string& path, std::size_t maxBytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw ESkinError("cannot open " + path);
    std::vector<std::uint8_t> bytes;
    std::array<char, 65536> chunk{};
    while (file.read(chunk.data(), chunk.size()) || file.gcount() > 0) {
        bytes.insert(bytes.end(), chunk.data(), chunk.data() + file.gcount());
        if (bytes.size() > maxBytes) throw ESkinError(path + " is larger than a skin file may be");
    }
    if (file.bad()) throw ESkinError("cannot read " + path);
    return bytes;
}

void TbsCompressedStoredSkin::BuildFromSkinIni(const std::string& path) {
    std::vector<std::uint8_t> raw = ReadSkinFile(path, kMaxSkinFile);
    std::string_view text(reinterpret_cast<const char*>(raw.data()), raw.size());
    SkinIni ini = SkinIni::FromText(text);
    for (const char* section : kRequiredSections) {
        if (!ini.SectionExists(section)) return;
    }
    std::filesystem::path folder = std::filesystem::path(path).parent_path();

    SkinPackage package;
    package.Picture = LoadSlot(folder, ini.ReadString("PICTURES", "picture", ""));
    package.InactivePicture = LoadSlot(folder, ini.ReadString("PICTURES", "inactivepicture", ""));
    package.Mask = LoadSlot(folder, ini.ReadString("PICTURES", "mask", ""));
    for (const std::string& name : ReadSkinList(ini, "PICTURES", "activepictures")) {
        package.Pictures.push_back(LoadBmpFile(folder / name));
    }
    for (const std::string& line : SkinIni::SplitLines(text)) {
        package.Text += line;
        package.Text += "\r\n";
    }
    stream_ = DeflateBest(WriteSkinPackage(package));
    origin_ = Origin::Outside;
}

void TbsCompressedStoredSkin::LoadCompressedFile(const std::string& path) {
    stream_.clear();
    LoadFromStream(ReadSkinFile(path, kMaxSkinFile + 8));
}

void TbsCompressedStoredSkin::LoadFromStream(std::span<const std::uint8_t> bytes) {
    stream_.clear();
    origin_ = Origin::Outside;
    if (bytes.size() < 4) throw ESkinError("compressed skin file truncated: no version");
    auto version = static_cast<std::int32_t>(LittleEndian32(bytes.data()));
    if (version > kSkinPackageVersion) return;
    if (bytes.size() < 8) throw ESkinError("compressed skin file truncated: no length");
    auto length = static_cast<std::int32_t>(LittleEndian32(bytes.data() + 4));
    if (length < 0 || static_cast<std::size_t>(length) > bytes.size() - 8) {
        throw ESkinError("compressed skin file claims " + std::to_string(length) + " stream bytes, " +
                         std::to_string(bytes.size() - 8) + " follow");
    }
    stream_.assign(bytes.begin() + 8, bytes.begin() + 8 + length);
}

void TbsCompressedStoredSkin::SaveToStream(std::vector<std::uint8_t>& out) const {
    AppendLittleEndian32(out, static_cast<std::uint32_t>(kSkinPackageVersion));
    AppendLittleEndian32(out, static_cast<std::uint32_t>(stream_.size()));
    out.insert(out.end(), stream_.begin(), stream_.end());
}

void TbsCompressedStoredSkin::Unpack(std::vector<std::uint8_t>& target, const InflateLimits& limits) const {
    InflateSkinStream(stream_, target, limits,
                      origin_ == Origin::Program ? ZlibCheck::Skip : ZlibCheck::Verify);
}

}  // namespace dsp
