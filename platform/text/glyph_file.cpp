#include "platform/text/glyph_file.h"

#include <zlib.h>

#include <algorithm>

#include "platform/sys/file_stamp.h"
#include "platform/sys/private_file.h"
#include "platform/sys/small_file.h"
#include "platform/text/cache_file.h"

// The file, every number a little-endian 32-bit word:
//   header line ("dsp-panel glyphs <format> <renderer>\n")
//   face count, then per face: index, path length, path, stamp length, stamp
//   glyph count, then per glyph, sorted by key: face, style, em, code point,
//     offset of its record from the first record
//   records: width, rows, left, top, advance, then rows x width coverage bytes
//   CRC-32 of everything before it

namespace dsp {
namespace {

constexpr std::size_t kWord = 4;
constexpr std::size_t kEntryBytes = 5 * kWord;
constexpr std::size_t kRecordHead = 5 * kWord;
constexpr std::uint32_t kMaxFaces = 1024;
constexpr std::uint32_t kMaxSide = 4096;  // a bigger glyph is rendered each run
// Room left for the header and the face table when glyphs are added.
constexpr std::size_t kMaxGlyphBytes = GlyphFile::kMaxFileBytes - (64 << 10);

std::uint32_t Word(const char* at) {
    const auto* b = reinterpret_cast<const unsigned char*>(at);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
           std::uint32_t(b[3]) << 24;
}

void Put(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out += char((value >> shift) & 0xFF);
}

void PutText(std::string& out, std::string_view text) {
    Put(out, std::uint32_t(text.size()));
    out += text;
}

std::uint32_t Checksum(std::string_view data) {
    return std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(data.data()), uInt(data.size())));
}

// Reads words and texts off the front of a span, never past its end.
class Cursor {
  public:
    explicit Cursor(std::string_view data) : data_(data) {}
    bool Take(std::uint32_t& value) {
        if (data_.size() < kWord) return false;
        value = Word(data_.data());
        data_.remove_prefix(kWord);
        return true;
    }
    bool TakeText(std::string& text) {
        std::uint32_t size = 0;
        if (!Take(size) || size > data_.size()) return false;
        text.assign(data_.substr(0, size));
        data_.remove_prefix(size);
        return true;
    }
    std::size_t Left() const { return data_.size(); }

  private:
    std::string_view data_;
};

GlyphFileKey KeyAt(const char* entry) {
    return {Word(entry), Word(entry + kWord), Word(entry + 2 * kWord), Word(entry + 3 * kWord)};
}

std::string Encode(const RenderedGlyph& glyph) {
    std::string record;
    record.reserve(kRecordHead + glyph.coverage.size());
    for (int value : {glyph.width, glyph.rows, glyph.left, glyph.top, glyph.advance})
        Put(record, std::uint32_t(value));
    record.append(glyph.coverage.begin(), glyph.coverage.end());
    return record;
}

// `record` has been checked to hold its head and rows x width bytes.
RenderedGlyph Decode(std::string_view record) {
    RenderedGlyph glyph;
    int* const fields[] = {&glyph.width, &glyph.rows, &glyph.left, &glyph.top, &glyph.advance};
    for (std::size_t i = 0; i < std::size(fields); ++i)
        *fields[i] = int(std::int32_t(Word(record.data() + i * kWord)));
    glyph.coverage.assign(record.begin() + kRecordHead, record.end());
    return glyph;
}

}  // namespace

GlyphFile::GlyphFile(std::string file, std::string renderer)
    : file_(std::move(file)), header_("dsp-panel glyphs 1 " + renderer + "\n") {}

void GlyphFile::Load() {
    if (loaded_) return;
    loaded_ = true;
    if (file_.empty() || ReadSmallFile(file_, kMaxFileBytes, text_) != 0 || !Parse()) {
        text_.clear();
        faces_.clear();
        count_ = 0;
    }
}

// The header must match whole and the checksum hold; the face table and the
// glyph table must lie inside the file. Records are checked when used.
bool GlyphFile::Parse() {
    if (text_.size() < header_.size() + kWord || text_.compare(0, header_.size(), header_) != 0) return false;
    const std::size_t body = text_.size() - kWord;
    if (Word(text_.data() + body) != Checksum(std::string_view(text_).substr(0, body))) return false;
    Cursor in(std::string_view(text_).substr(header_.size(), body - header_.size()));
    std::uint32_t faces = 0, count = 0;
    if (!in.Take(faces) || faces > kMaxFaces) return false;
    for (std::uint32_t i = 0; i < faces; ++i) {
        FaceEntry& face = faces_.emplace_back();
        std::uint32_t index = 0;
        if (!in.Take(index) || !in.TakeText(face.path) || !in.TakeText(face.stamp)) return false;
        face.index = int(index);
    }
    if (!in.Take(count) || count > in.Left() / kEntryBytes) return false;
    count_ = count;
    tableAt_ = body - in.Left();
    recordsAt_ = tableAt_ + count_ * kEntryBytes;
    recordsEnd_ = body;
    return true;
}

std::optional<GlyphFile::Stored> GlyphFile::StoredAt(std::size_t i) const {
    const char* entry = text_.data() + tableAt_ + i * kEntryBytes;
    const std::size_t offset = Word(entry + 4 * kWord), room = recordsEnd_ - recordsAt_;
    if (offset > room || room - offset < kRecordHead) return std::nullopt;
    const char* record = text_.data() + recordsAt_ + offset;
    const std::uint32_t width = Word(record), rows = Word(record + kWord);
    if (width > kMaxSide || rows > kMaxSide || std::size_t(width) * rows > room - offset - kRecordHead)
        return std::nullopt;
    return Stored{KeyAt(entry), {record, kRecordHead + std::size_t(width) * rows}};
}

std::uint32_t GlyphFile::Face(const std::string& path, int index) {
    Load();
    for (std::size_t i = 0; i < faces_.size(); ++i) {
        FaceEntry& face = faces_[i];
        if (face.path != path || face.index != index) continue;
        if (!face.checked) {
            face.checked = true;
            const std::string now = FileStamp(path);
            face.stale = now != face.stamp;
            face.stamp = now;
        }
        return std::uint32_t(i);
    }
    faces_.push_back({path, index, FileStamp(path), false, true});
    return std::uint32_t(faces_.size() - 1);
}

std::optional<RenderedGlyph> GlyphFile::Find(const GlyphFileKey& key) {
    if (auto it = added_.find(key); it != added_.end()) return Decode(it->second);
    if (key.face >= faces_.size() || faces_[key.face].stale) return std::nullopt;
    std::size_t low = 0, high = count_;  // the first entry not below `key`
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (KeyAt(text_.data() + tableAt_ + middle * kEntryBytes) < key)
            low = middle + 1;
        else
            high = middle;
    }
    if (low == count_) return std::nullopt;
    const std::optional<Stored> stored = StoredAt(low);
    if (!stored || stored->key != key) return std::nullopt;
    return Decode(stored->record);
}

void GlyphFile::Add(const GlyphFileKey& key, const RenderedGlyph& glyph) {
    if (glyph.width < 0 || glyph.rows < 0 || std::uint32_t(glyph.width) > kMaxSide ||
        std::uint32_t(glyph.rows) > kMaxSide ||
        glyph.coverage.size() != std::size_t(glyph.width) * std::size_t(glyph.rows))
        return;
    std::string record = Encode(glyph);
    if (text_.size() + addedBytes_ + kEntryBytes + record.size() > kMaxGlyphBytes) return;
    addedBytes_ += kEntryBytes + record.size();
    added_.insert_or_assign(key, std::move(record));
    changed_ = true;
}

// The stored glyphs still good: those of faces whose files kept their stamps
// (or were not looked at this run), with records inside the file.
std::vector<GlyphFile::Stored> GlyphFile::Kept() const {
    std::vector<Stored> kept;
    kept.reserve(count_ + added_.size());
    for (std::size_t i = 0; i < count_; ++i) {
        std::optional<Stored> stored = StoredAt(i);
        if (stored && stored->key.face < faces_.size() && !faces_[stored->key.face].stale &&
            !added_.count(stored->key))
            kept.push_back(*stored);
    }
    return kept;
}

void GlyphFile::Save() {
    if (!changed_ || file_.empty()) return;
    std::vector<Stored> glyphs = Kept();
    for (const auto& [key, record] : added_) glyphs.push_back({key, record});
    std::sort(glyphs.begin(), glyphs.end(), [](const Stored& a, const Stored& b) { return a.key < b.key; });
    std::string out = header_;
    Put(out, std::uint32_t(faces_.size()));
    for (const FaceEntry& face : faces_) {
        Put(out, std::uint32_t(face.index));
        PutText(out, face.path);
        PutText(out, face.stamp);
    }
    Put(out, std::uint32_t(glyphs.size()));
    std::uint32_t offset = 0;
    for (const Stored& glyph : glyphs) {
        for (std::uint32_t word : {glyph.key.face, glyph.key.style, glyph.key.em, glyph.key.cp, offset})
            Put(out, word);
        offset += std::uint32_t(glyph.record.size());
    }
    for (const Stored& glyph : glyphs) out += glyph.record;
    Put(out, Checksum(out));
    if (out.size() <= kMaxFileBytes && ReplacePrivateFile(file_, out) == 0) changed_ = false;
}

std::string GlyphFile::DefaultFile() { return UserCacheFile("glyphs"); }

}  // namespace dsp
