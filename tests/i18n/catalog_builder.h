#pragma once
// Test helpers: temporary folders and message catalogs compiled with msgfmt.

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace dsp::test {

using Entries = std::vector<std::pair<std::string, std::string>>;

// A fresh folder under the test output folder, removed with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(const std::string& relative) const { return (path_ / relative).string(); }

  private:
    std::filesystem::path path_;
};

// Compiles `entries` (msgid, msgstr) with msgfmt into `moPath`, creating its
// folders. Fails the calling test through an exception when msgfmt fails.
void WriteCatalog(const std::string& moPath, const Entries& entries);
std::vector<unsigned char> CompileCatalog(const Entries& entries);

std::vector<unsigned char> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);

// Host-order 32-bit numbers in a catalog image.
std::uint32_t Word(const std::vector<unsigned char>& bytes, std::size_t offset);
void SetWord(std::vector<unsigned char>& bytes, std::size_t offset, std::uint32_t value);

// The same catalog with every number (header, both tables, hash table)
// byte-swapped, as a machine of the other byte order writes it.
std::vector<unsigned char> ByteSwapped(std::vector<unsigned char> bytes);

}  // namespace dsp::test
