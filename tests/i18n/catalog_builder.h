#pragma once
// Test helpers: message catalogs compiled with msgfmt.

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/temp_dir.h"

namespace dsp::test {

using Entries = std::vector<std::pair<std::string, std::string>>;

// Compiles `entries` (msgid, msgstr) with msgfmt into `moPath`, creating its
// folders. Fails the calling test through an exception when msgfmt fails.
void WriteCatalog(const std::string& moPath, const Entries& entries);
std::vector<unsigned char> CompileCatalog(const Entries& entries);
// False in the Windows build: msgfmt is a program of the Linux side, which a
// test running under Wine cannot start.
constexpr bool CanCompileCatalogs() {
#if defined(_WIN32)
    return false;
#else
    return true;
#endif
}

std::vector<unsigned char> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);

// Host-order 32-bit numbers in a catalog image.
std::uint32_t Word(const std::vector<unsigned char>& bytes, std::size_t offset);
void SetWord(std::vector<unsigned char>& bytes, std::size_t offset, std::uint32_t value);

// The same catalog with every number (header, both tables, hash table)
// byte-swapped, as a machine of the other byte order writes it.
std::vector<unsigned char> ByteSwapped(std::vector<unsigned char> bytes);

}  // namespace dsp::test
