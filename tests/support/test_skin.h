#pragma once
// Small skins built in memory for the tests: a version 3 package (no frame
// pictures, a picture list and a skin.ini text), packed and loaded as a
// stored skin is.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/graphics/bmp_file.h"
#include "skin/skin_data.h"
#include "skin/skin_package.h"
#include "skin/skin_zlib.h"

namespace dsp::test {

inline std::vector<std::uint8_t> SkinPackage(const std::vector<SkinPicture>& list, const std::string& ini) {
    SkinPackageWriter out;
    out.Int32(3);
    out.Slot({});
    out.Slot({});
    out.Slot({});
    out.Int32(static_cast<std::int32_t>(list.size()));
    for (const SkinPicture& p : list) out.Bmp(p);
    out.Text(ini);
    return out.Bytes();
}

inline void LoadSkin(TbsSkinData& data, const std::vector<SkinPicture>& list, const std::string& ini) {
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(DeflateBest(SkinPackage(list, ini)));
    data.LoadFromCompressedStoredSkin(stored);
}

// Each picture goes into the list as a 24-bit BMP named "picture".
inline void LoadSkin(TbsSkinData& data, const std::vector<Bitmap>& pictures, const std::string& ini) {
    std::vector<SkinPicture> list;
    for (const Bitmap& p : pictures) list.push_back(SkinPicture::FromBmp(EncodeBmp(p, 24), "picture"));
    LoadSkin(data, list, ini);
}

}  // namespace dsp::test
