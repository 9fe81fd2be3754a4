#include "i18n/embedded_catalog_index.h"

#include <algorithm>
#include <cctype>

#include "platform/sys/mapped_file.h"

namespace dsp {
namespace {

constexpr std::size_t kMarkerLength = 36;
constexpr std::size_t kOffsetLength = 8;
constexpr std::uint64_t kHeaderLength = 24;

// The marker and the 8-byte offset a packer fills in. `used` keeps the array in
// the image although nothing reads it by name, and reading it through volatile
// keeps the compiler from folding the zero offset into the code, so a patched
// executable is honoured.
[[gnu::used]] alignas(8) const volatile unsigned char kMarkerAndOffset[kMarkerLength + kOffsetLength] =
    "6637DB2E-62E1-4A60-AC19-C23867046A89\0\0\0\0\0\0\0";

std::uint64_t LittleEndian64(const unsigned char* bytes) {
    std::uint64_t value = 0;
    for (std::size_t i = kOffsetLength; i-- > 0;) value = (value << 8) | bytes[i];
    return value;
}

std::string TrimmedName(const unsigned char* begin, const unsigned char* end) {
    const unsigned char* nul = std::find(begin, end, 0);
    std::string name(begin, nul);
    std::replace(name.begin(), name.end(), '\\', '/');
    const auto blank = [](unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!name.empty() && blank(static_cast<unsigned char>(name.back()))) name.pop_back();
    std::size_t first = 0;
    while (first < name.size() && blank(static_cast<unsigned char>(name[first]))) ++first;
    return name.substr(first);
}

}  // namespace

bool TEmbeddedCatalogIndex::CaseInsensitiveLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

TEmbeddedCatalogIndex TEmbeddedCatalogIndex::Load(const std::string& containerPath,
                                                  std::uint64_t firstHeader) {
    TEmbeddedCatalogIndex index;
    if (firstHeader == 0) return index;
    MappedFile file;
    if (file.Map(containerPath) != 0) return index;
    const unsigned char* bytes = file.Data();
    const std::uint64_t size = file.Size();
    for (std::uint64_t header = firstHeader; header != 0;) {
        if (header > size || size - header < kHeaderLength) break;
        const std::uint64_t next = LittleEndian64(bytes + header);
        const Entry entry{LittleEndian64(bytes + header + 8), LittleEndian64(bytes + header + 16)};
        if (entry.offset > size || entry.size > size - entry.offset) break;
        // The chain must move forward inside the file, or it could loop.
        const bool nextValid = next == 0 || (next > header && next <= size);
        const std::uint64_t nameEnd = next != 0 && nextValid ? std::max(next, header + kHeaderLength) : size;
        std::string name = TrimmedName(bytes + header + kHeaderLength, bytes + nameEnd);
        if (name.empty()) break;
        index.Add(std::move(name), entry);
        if (!nextValid) break;
        header = next;
    }
    return index;
}

void TEmbeddedCatalogIndex::Add(std::string relativeName, Entry entry) {
    entries_.insert_or_assign(std::move(relativeName), entry);
}

std::optional<TEmbeddedCatalogIndex::Entry> TEmbeddedCatalogIndex::Find(std::string_view relativeName) const {
    auto found = entries_.find(relativeName);
    if (found == entries_.end()) return std::nullopt;
    return found->second;
}

std::string EmbeddedCatalogMarker() {
    std::string marker(kMarkerLength, '\0');
    for (std::size_t i = 0; i < kMarkerLength; ++i) marker[i] = static_cast<char>(kMarkerAndOffset[i]);
    return marker;
}

std::uint64_t EmbeddedFirstHeaderOffset() {
    unsigned char bytes[kOffsetLength];
    for (std::size_t i = 0; i < kOffsetLength; ++i) bytes[i] = kMarkerAndOffset[kMarkerLength + i];
    return LittleEndian64(bytes);
}

}  // namespace dsp
