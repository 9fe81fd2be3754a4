#pragma once
// TEmbeddedCatalogIndex: catalogs appended to the executable, by relative file
// name (compared without regard to letter case). The executable carries a
// marker followed by the 8-byte little-endian offset of the first appended
// header; a packer patches that offset after linking. Our build appends
// nothing, so the offset stays 0 and the index stays empty.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace dsp {

class TEmbeddedCatalogIndex {
  public:
    struct Entry {
        std::uint64_t offset = 0;  // from the start of the executable
        std::uint64_t size = 0;
    };

    // Follows the header chain in `containerPath` from `firstHeader`. Each
    // header is: next-header offset (8 bytes, 0 ends the chain), file offset
    // (8), file size (8), then the file name up to the next header. A header or
    // file outside the container, or a chain that does not move forward, ends
    // the scan silently and keeps what was read so far.
    static TEmbeddedCatalogIndex Load(const std::string& containerPath, std::uint64_t firstHeader);

    void Add(std::string relativeName, Entry entry);
    std::optional<Entry> Find(std::string_view relativeName) const;
    std::size_t Size() const { return entries_.size(); }

  private:
    struct CaseInsensitiveLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    std::map<std::string, Entry, CaseInsensitiveLess> entries_;
};

// The marker text that precedes the offset in the executable.
std::string EmbeddedCatalogMarker();

// The 8-byte offset after the marker, read from the executable's own image.
std::uint64_t EmbeddedFirstHeaderOffset();

}  // namespace dsp
