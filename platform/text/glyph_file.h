#pragma once
// GlyphFile: rendered glyphs kept between runs. Running a face's hinting
// program for each glyph is most of what a window's first paint costs, and
// its result changes only with the face file, the size, the imitated styles
// and the renderer. The file records the renderer (its version and options,
// as the caller describes them) and each face file's stamp beside the glyphs;
// a file for another renderer is ignored whole, and the glyphs of a face
// whose file changed since are rendered afresh.
//
// The file is read once, on first use, and searched where it lies: its glyph
// table is sorted, so nothing is built to find a glyph. A checksum covers it;
// a damaged, truncated or oversized file is ignored and written afresh.

#include <compare>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/rendered_glyph.h"

namespace dsp {

struct GlyphFileKey {
    std::uint32_t face = 0;   // GlyphFile::Face()
    std::uint32_t style = 0;  // the imitated styles, as the renderer numbers them
    std::uint32_t em = 0;     // the size, as the renderer gives it
    std::uint32_t cp = 0;

    friend auto operator<=>(const GlyphFileKey&, const GlyphFileKey&) = default;
};

class GlyphFile {
  public:
    // `file` "" keeps nothing. `renderer` names everything besides the face
    // files that the glyphs depend on.
    GlyphFile(std::string file, std::string renderer);

    // The number that stands for the face in keys; stamps its file the first
    // time it is asked for.
    std::uint32_t Face(const std::string& path, int index);
    std::optional<RenderedGlyph> Find(const GlyphFileKey& key);
    // Keeps a glyph rendered this run; nothing more is kept once the file
    // would outgrow kMaxFileBytes.
    void Add(const GlyphFileKey& key, const RenderedGlyph& glyph);
    // Writes the file if a glyph was added: a failure leaves the old one.
    void Save();

    static std::string DefaultFile();
    static constexpr std::size_t kMaxFileBytes = 4 << 20;

  private:
    struct FaceEntry {
        std::string path;
        int index = 0;
        std::string stamp;
        bool stale = false;    // its file changed: the stored glyphs are not used
        bool checked = false;  // stamped this run
    };
    // Where a stored glyph lies in text_; the record is bounds-checked.
    struct Stored {
        GlyphFileKey key;
        std::string_view record;
    };

    void Load();
    bool Parse();
    std::optional<Stored> StoredAt(std::size_t i) const;
    std::vector<Stored> Kept() const;

    std::string file_;
    std::string header_;
    bool loaded_ = false;
    std::string text_;  // the file as read
    std::size_t tableAt_ = 0, count_ = 0, recordsAt_ = 0, recordsEnd_ = 0;
    std::vector<FaceEntry> faces_;
    std::map<GlyphFileKey, std::string> added_;  // key -> record
    std::size_t addedBytes_ = 0;
    bool changed_ = false;
};

}  // namespace dsp
