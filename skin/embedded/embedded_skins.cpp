#include "skin/embedded/embedded_skins.h"

#include <array>

namespace dsp {

const ResourceTable& EmbeddedSkinResources() {
    static const std::array<EmbeddedResource, kEmbeddedSkinCount> resources = [] {
        static constexpr std::array<std::string_view, kEmbeddedSkinCount> kNames = {"skin1", "skin2",
                                                                                    "skin3"};
        std::array<EmbeddedResource, kEmbeddedSkinCount> table{};
        for (int i = 0; i < kEmbeddedSkinCount; ++i) {
            const std::span<const std::uint8_t> stream = EmbeddedSkinStream(i + 1);
            table[static_cast<std::size_t>(i)] = {kNames[static_cast<std::size_t>(i)], stream.data(),
                                                  stream.size()};
        }
        return table;
    }();
    static const ResourceTable table(resources);
    return table;
}

void LoadEmbeddedSkin(int number, TbsCompressedStoredSkin& skin) {
    skin.SetCompressedData(EmbeddedSkinStream(number), TbsCompressedStoredSkin::Origin::Program);
}

}  // namespace dsp
