#pragma once
// The stored skins built into the program: the compressed streams of
// resources/skins/skin1 to skin3, packed at build time (tools/skinpack) and
// carried as bsCompressedStoredSkin1 to bsCompressedStoredSkin3 data.

#include <cstdint>
#include <span>

#include "platform/embed/embedded_resource.h"
#include "skin/compressed_stored_skin.h"

namespace dsp {

inline constexpr int kEmbeddedSkinCount = 3;

// The compressed stream of skin `number` (1 to kEmbeddedSkinCount); empty
// for any other number.
std::span<const std::uint8_t> EmbeddedSkinStream(int number);

// The streams as resources named "skin1" to "skin3", the names the stored
// layout's CompressedData values use.
const ResourceTable& EmbeddedSkinResources();

// Gives `skin` the stream of embedded skin `number` (empty for an unknown one).
void LoadEmbeddedSkin(int number, TbsCompressedStoredSkin& skin);

}  // namespace dsp
