#include "i18n/mo_catalog.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace dsp {
namespace {

constexpr std::uint64_t kHeaderSize = 20;  // magic, revision, N, two table offsets
constexpr std::uint64_t kEntrySize = 8;    // length, offset

// Byte-wise order, shorter first on a common prefix. Catalog keys tend to share
// long prefixes, so eight bytes are compared at a time; a difference is then
// ordered by loading both words big-endian.
int Compare(std::string_view key, std::string_view entry) {
    const std::size_t common = std::min(key.size(), entry.size());
    const char* a = key.data();
    const char* b = entry.data();
    std::size_t i = 0;
    for (; i + 8 <= common; i += 8) {
        std::uint64_t x;
        std::uint64_t y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y) {
            if constexpr (std::endian::native == std::endian::little) {
                x = __builtin_bswap64(x);
                y = __builtin_bswap64(y);
            }
            return x < y ? -1 : 1;
        }
    }
    for (; i < common; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (key.size() == entry.size()) return 0;
    return key.size() < entry.size() ? -1 : 1;
}

}  // namespace

std::uint32_t MoCatalog::Word(std::uint64_t offset) const {
    std::uint32_t value;
    std::memcpy(&value, data_ + offset, sizeof value);
    return swapped_ ? __builtin_bswap32(value) : value;
}

std::string_view MoCatalog::String(std::uint64_t tableOffset, std::uint32_t index) const {
    const std::uint64_t entry = tableOffset + kEntrySize * index;
    const std::uint32_t length = Word(entry);
    const std::uint32_t offset = Word(entry + 4);
    return {reinterpret_cast<const char*>(data_ + offset), length};
}

bool MoCatalog::StringsFit(const MoCatalog& catalog, std::uint64_t tableOffset) {
    const std::uint64_t size = catalog.size_;
    if (tableOffset > size || kEntrySize * catalog.count_ > size - tableOffset) return false;
    for (std::uint32_t i = 0; i < catalog.count_; ++i) {
        const std::uint64_t length = catalog.Word(tableOffset + kEntrySize * i);
        const std::uint64_t offset = catalog.Word(tableOffset + kEntrySize * i + 4);
        // The string and its NUL must both lie inside the bytes.
        if (offset >= size || length >= size - offset) return false;
        if (catalog.data_[offset + length] != 0) return false;
    }
    return true;
}

std::optional<MoCatalog> MoCatalog::Parse(const unsigned char* data, std::size_t size) {
    if (data == nullptr || size < kHeaderSize) return std::nullopt;
    MoCatalog catalog;
    catalog.data_ = data;
    catalog.size_ = size;
    const std::uint32_t magic = catalog.Word(0);
    if (magic == kSwappedMagic) {
        catalog.swapped_ = true;
    } else if (magic != kMagic) {
        return std::nullopt;
    }
    catalog.count_ = catalog.Word(8);
    catalog.originals_ = catalog.Word(12);
    catalog.translations_ = catalog.Word(16);
    if (!StringsFit(catalog, catalog.originals_) || !StringsFit(catalog, catalog.translations_))
        return std::nullopt;
    return catalog;
}

std::string_view MoCatalog::Original(std::uint32_t index) const { return String(originals_, index); }

std::string_view MoCatalog::Translation(std::uint32_t index) const { return String(translations_, index); }

std::uint32_t MoCatalog::Find(std::string_view key, std::vector<std::uint32_t>* probes) const {
    if (count_ == 0) return kNotFound;
    std::uint32_t step = std::bit_floor(count_);
    std::uint32_t index = step - 1;
    step /= 2;
    for (;;) {
        if (probes != nullptr) probes->push_back(index);
        const int order = Compare(key, Original(index));
        if (order == 0) return index;
        if (step == 0) return kNotFound;
        // Both candidates, then a select: the direction is unpredictable, so a
        // conditional move beats a branch here.
        const std::uint32_t down = index >= step ? index - step : 0;
        const std::uint32_t up = std::min(index + step, count_ - 1);
        index = order < 0 ? down : up;
        step /= 2;
    }
}

std::optional<std::string_view> MoCatalog::Lookup(std::string_view key) const {
    const std::uint32_t index = Find(key);
    if (index == kNotFound) return std::nullopt;
    return Translation(index);
}

}  // namespace dsp
