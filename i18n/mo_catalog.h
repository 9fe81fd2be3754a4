#pragma once
// MoCatalog: a read-only view of a message catalog's bytes (magic, entry count
// N, the table of untranslated strings and the table of translated strings; the
// hash table is not used). Parse() checks every number against the size before
// anything is read, so a lookup never leaves the bytes it was given.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace dsp {

class MoCatalog {
  public:
    static constexpr std::uint32_t kMagic = 0x950412DE;
    static constexpr std::uint32_t kSwappedMagic = 0xDE120495;
    static constexpr std::uint32_t kNotFound = 0xFFFFFFFF;

    MoCatalog() = default;

    // The catalog in `data[0..size)`, or nothing when the bytes are not a
    // well-formed catalog: bad magic, a header, table or string outside the
    // bytes, or a string without its terminating NUL.
    static std::optional<MoCatalog> Parse(const unsigned char* data, std::size_t size);

    std::uint32_t Count() const { return count_; }
    bool ByteSwapped() const { return swapped_; }

    // Binary search for `key`: the first probe is entry P-1 (P the largest power
    // of two not above N) with step P/2; each probe moves down or up by the step
    // (clamped to 0 and N-1) and halves it; the probe made with step 0 is the
    // last. `probes`, when given, receives every probed index.
    std::uint32_t Find(std::string_view key, std::vector<std::uint32_t>* probes = nullptr) const;

    std::string_view Original(std::uint32_t index) const;
    std::string_view Translation(std::uint32_t index) const;

    // The translation of `key`, or nothing.
    std::optional<std::string_view> Lookup(std::string_view key) const;

  private:
    std::uint32_t Word(std::uint64_t offset) const;
    std::string_view String(std::uint64_t tableOffset, std::uint32_t index) const;
    static bool StringsFit(const MoCatalog& catalog, std::uint64_t tableOffset);

    const unsigned char* data_ = nullptr;
    std::size_t size_ = 0;
    bool swapped_ = false;
    std::uint32_t count_ = 0;
    std::uint32_t originals_ = 0;
    std::uint32_t translations_ = 0;
};

}  // namespace dsp
