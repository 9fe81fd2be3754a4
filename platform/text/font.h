#pragma once
// TFont: what a piece of text is drawn with: face name, height, style, colour
// and character set. The height follows the platform's two conventions: a
// negative value is the character (em) height in pixels, a positive value the
// cell height, internal leading included. Setters fire OnChange when a value
// changes; copying a font copies its values, not its OnChange.

#include <functional>
#include <string>

#include "platform/graphics/color.h"

namespace dsp {

enum FontStyle : unsigned {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
using FontStyles = unsigned;

// Character sets as the stored layout names them; the text itself is always
// UTF-8, so the set is kept but does not change how text is read.
enum FontCharset : int {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    GB2312_CHARSET = 134,
};

class TFont {
  public:
    TFont() = default;
    TFont(std::string name, int height, FontStyles style = 0, dsp::Color color = clWindowText);
    TFont(const TFont& other) { CopyValues(other); }
    TFont& operator=(const TFont& other);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Height() const { return height_; }
    void SetHeight(int height);
    // Size in points at 96 pixels per inch: -Height * 72 / 96, rounded.
    int Size() const;
    void SetSize(int points);
    FontStyles Style() const { return style_; }
    void SetStyle(FontStyles style);
    dsp::Color Color() const { return color_; }
    void SetColor(dsp::Color color);
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    // Same values (not the same OnChange).
    bool SameAs(const TFont& other) const;

    std::function<void(TFont&)> OnChange;

  private:
    void CopyValues(const TFont& other);
    void Changed();

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    FontStyles style_ = 0;
    dsp::Color color_ = clWindowText;
    int charset_ = DEFAULT_CHARSET;
};

}  // namespace dsp
