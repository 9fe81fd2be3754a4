#include "skin/embedded/embedded_skins.h"

namespace dsp {

void LoadEmbeddedSkin(int number, TbsCompressedStoredSkin& skin) {
    skin.SetCompressedData(EmbeddedSkinStream(number));
}

}  // namespace dsp
