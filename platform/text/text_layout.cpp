#include "platform/text/text_layout.h"

#include <algorithm>

namespace dsp {
namespace {

constexpr std::u32string_view kEllipsis = U"...";

bool IsCjk(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF) ||
           (c >= 0x20000 && c <= 0x2FFFF);
}

// Closing punctuation stays on the line of the character before it.
bool NoBreakBefore(char32_t c) {
    return std::u32string_view(U"，。、：；！？）」』》〉】,.:;!?)").find(c) != std::u32string_view::npos;
}

// Positions characters along a line; tabs jump to the next stop when expanded
// and take no room otherwise, as do other control characters.
class Measurer {
  public:
    Measurer(FontEngine& engine, const TFont& font, unsigned format)
        : engine_(engine),
          font_(font),
          expandTabs_(format & kDtExpandTabs),
          tabWidth_(std::max(1, 8 * engine.Metrics(font).aveCharWidth)) {}

    int Advance(int x, char32_t c) const {
        if (c == U'\t') return expandTabs_ ? (x / tabWidth_ + 1) * tabWidth_ - x : 0;
        if (c < 0x20) return 0;
        return engine_.CharWidth(font_, c);
    }
    void Place(TextLine& line) const {
        line.x.resize(line.text.size());
        int x = 0;
        for (std::size_t i = 0; i < line.text.size(); ++i) {
            line.x[i] = x;
            x += Advance(x, line.text[i]);
        }
        line.width = x;
    }
    int Width(std::u32string_view s) const {
        int x = 0;
        for (char32_t c : s) x += Advance(x, c);
        return x;
    }

  private:
    FontEngine& engine_;
    const TFont& font_;
    bool expandTabs_;
    int tabWidth_;
};

TextLine StripPrefixes(std::u32string_view text, bool prefixes) {
    TextLine out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (prefixes && text[i] == U'&') {
            if (++i == text.size()) break;  // a lone "&" at the end shows nothing
            out.text += text[i];
            out.marked.push_back(text[i] != U'&');
            continue;
        }
        out.text += text[i];
        out.marked.push_back(false);
    }
    return out;
}

TextLine Slice(const TextLine& from, std::size_t begin, std::size_t end) {
    TextLine out;
    out.text = from.text.substr(begin, end - begin);
    out.marked.assign(from.marked.begin() + std::ptrdiff_t(begin), from.marked.begin() + std::ptrdiff_t(end));
    return out;
}

void Append(TextLine& to, const TextLine& from) {
    to.text += from.text;
    to.marked.insert(to.marked.end(), from.marked.begin(), from.marked.end());
}

TextLine Plain(std::u32string_view s) {
    TextLine out;
    out.text = s;
    out.marked.assign(s.size(), false);
    return out;
}

// Where the line starting at `start` ends: after the last space or Chinese
// character that still fits, or, for one long word, after the last character
// that fits (at least one character, so that wrapping always advances).
std::size_t WrapEnd(const Measurer& m, const std::u32string& s, std::size_t start, int width) {
    std::size_t breakAt = start;
    int x = 0;
    for (std::size_t i = start; i < s.size(); ++i) {
        const char32_t c = s[i];
        if (c == U' ') {
            breakAt = i;
            x += m.Advance(x, c);
            continue;
        }
        if (i > start && (IsCjk(c) || IsCjk(s[i - 1])) && !NoBreakBefore(c)) breakAt = i;
        const int a = m.Advance(x, c);
        if (x + a > width && i > start) return breakAt > start ? breakAt : i;
        x += a;
    }
    return s.size();
}

void WrapParagraph(const Measurer& m, const TextLine& para, int width, std::vector<TextLine>& out) {
    std::size_t start = 0;
    do {
        std::size_t end = WrapEnd(m, para.text, start, width);
        std::size_t contentEnd = end;
        while (contentEnd > start && para.text[contentEnd - 1] == U' ' && end < para.text.size())
            --contentEnd;
        out.push_back(Slice(para, start, contentEnd));
        start = end;
        while (start < para.text.size() && para.text[start] == U' ') ++start;
    } while (start < para.text.size());
}

// The longest head of `line` that fits with `tail` after the ellipsis.
std::size_t FittingHead(const Measurer& m, const TextLine& line, std::size_t limit, int room) {
    std::size_t k = 0;
    while (k < limit && m.Width(std::u32string_view(line.text).substr(0, k + 1)) <= room) ++k;
    return k;
}

TextLine Ellipsize(const Measurer& m, const TextLine& line, int width, unsigned format) {
    std::size_t sep = std::u32string::npos;
    if (format & kDtPathEllipsis) {
        sep = line.text.find_last_of(U"\\/");
    }
    TextLine tail = sep == std::u32string::npos ? TextLine{} : Slice(line, sep, line.text.size());
    const std::size_t limit = sep == std::u32string::npos ? line.text.size() : sep;
    const int room = width - m.Width(kEllipsis) - m.Width(tail.text);
    TextLine out = Slice(line, 0, room > 0 ? FittingHead(m, line, limit, room) : 0);
    Append(out, Plain(kEllipsis));
    Append(out, tail);
    return out;
}

}  // namespace

std::vector<TextLine> LayoutText(FontEngine& engine, const TFont& font, std::u32string_view text, int width,
                                 unsigned format) {
    const Measurer m(engine, font, format);
    const TextLine all = StripPrefixes(text, !(format & kDtNoPrefix));
    std::vector<TextLine> paragraphs;
    if (format & kDtSingleLine) {
        TextLine one;
        for (std::size_t i = 0; i < all.text.size(); ++i) {
            if (all.text[i] == U'\r' || all.text[i] == U'\n') continue;
            Append(one, Slice(all, i, i + 1));
        }
        paragraphs.push_back(std::move(one));
    } else {
        std::size_t start = 0;
        for (std::size_t i = 0; i <= all.text.size(); ++i) {
            if (i < all.text.size() && all.text[i] != U'\r' && all.text[i] != U'\n') continue;
            paragraphs.push_back(Slice(all, start, i));
            if (i + 1 < all.text.size() && all.text[i] == U'\r' && all.text[i + 1] == U'\n') ++i;
            start = i + 1;
        }
    }
    std::vector<TextLine> lines;
    const bool wrap = (format & kDtWordBreak) && !(format & kDtSingleLine);
    for (const TextLine& para : paragraphs) {
        if (wrap)
            WrapParagraph(m, para, width, lines);
        else
            lines.push_back(para);
    }
    for (TextLine& line : lines) {
        m.Place(line);
        if ((format & (kDtEndEllipsis | kDtPathEllipsis)) && line.width > width) {
            line = Ellipsize(m, line, width, format);
            m.Place(line);
        }
    }
    return lines;
}

}  // namespace dsp
