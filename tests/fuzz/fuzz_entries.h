#pragma once
// The entries of the fuzz target table (see fuzz_targets.h).

#include <cstddef>
#include <cstdint>

namespace dsp {

int FuzzBmp(const std::uint8_t* data, std::size_t size);
int FuzzPng(const std::uint8_t* data, std::size_t size);
int FuzzJpeg(const std::uint8_t* data, std::size_t size);
int FuzzSkinIni(const std::uint8_t* data, std::size_t size);
int FuzzMoCatalog(const std::uint8_t* data, std::size_t size);
int FuzzSettingsFile(const std::uint8_t* data, std::size_t size);
int FuzzPortMap(const std::uint8_t* data, std::size_t size);
int FuzzLayout(const std::uint8_t* data, std::size_t size);
int FuzzScene(const std::uint8_t* data, std::size_t size);
int FuzzHeadless(const std::uint8_t* data, std::size_t size);
int FuzzWebMessage(const std::uint8_t* data, std::size_t size);
int FuzzOsc(const std::uint8_t* data, std::size_t size);
int FuzzTelnet(const std::uint8_t* data, std::size_t size);
int FuzzRfc2217(const std::uint8_t* data, std::size_t size);

}  // namespace dsp
