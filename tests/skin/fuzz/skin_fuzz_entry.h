#pragma once
// The one entry the skin fuzzer and the corpus replay test share. The first
// byte picks what the rest is taken as:
//   0: a skin package, put in a stored zlib stream and loaded by TbsSkinData;
//   1: a compressed skin stream, loaded by TbsSkinData as it stands;
//   2: a skin.ini text, read by every data class under every section name it
//      has, each saved, read back and saved again (the two saves must match).
// Returns 0 when the input was accepted, 1 when it was refused with
// ESkinError. Anything else (a crash, another exception, a save that does
// not survive its own reading) is a fault.

#include <cstddef>
#include <cstdint>

namespace dsp {

int FuzzSkinInput(const std::uint8_t* data, std::size_t size);

}  // namespace dsp
