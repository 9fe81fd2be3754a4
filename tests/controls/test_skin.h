#pragma once
// A small skin built in memory for the looks tests: one picture list and a
// skin.ini text, packed and loaded as a stored skin is.

#include <string>
#include <vector>

#include "platform/graphics/bmp_file.h"
#include "skin/skin_data.h"
#include "skin/skin_package.h"
#include "skin/skin_zlib.h"

namespace dsp::test {

inline void LoadSkin(TbsSkinData& data, const std::vector<Bitmap>& pictures, const std::string& ini) {
    SkinPackageWriter out;
    out.Int32(3);
    out.Slot({});
    out.Slot({});
    out.Slot({});
    out.Int32(static_cast<std::int32_t>(pictures.size()));
    for (const Bitmap& p : pictures) out.Bmp(SkinPicture::FromBmp(EncodeBmp(p, 24), "picture"));
    out.Text(ini);
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(DeflateBest(out.Bytes()));
    data.LoadFromCompressedStoredSkin(stored);
}

}  // namespace dsp::test
