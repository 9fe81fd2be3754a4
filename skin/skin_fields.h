#pragma once
// SkinFieldVisitor: each data object lists its keys once, in reading order,
// as calls on a visitor. The loader reads every key of the object's section
// (an absent key gives the default named in the call); the saver writes the
// same keys in the same order and forms. So load and save cannot drift apart.

#include <string>
#include <string_view>

#include "skin/skin_ini.h"
#include "skin/skin_types.h"

namespace dsp {

class SkinFieldVisitor {
  public:
    virtual ~SkinFieldVisitor() = default;
    virtual void Int(const char* key, int& value, int def = 0) = 0;
    virtual void Colour(const char* key, TColor& value, TColor def = 0) = 0;
    virtual void Bool(const char* key, bool& value) = 0;
    virtual void Text(const char* key, std::string& value, const char* def = "") = 0;
    virtual void Rect(const char* key, TRect& value) = 0;
    virtual void Point(const char* key, TPoint& value) = 0;
    virtual void FontStyle(const char* key, TFontStyles& value) = 0;
    virtual void Alignment(const char* key, TAlignment& value) = 0;
    virtual void MorphKind(const char* key, TbsMorphKind& value) = 0;
    virtual void StretchType(const char* key, TbsStretchType& value) = 0;
    virtual void Effect(const char* key, TbsInActiveEffect& value) = 0;
    virtual void Command(const char* key, TbsStdCommand& value) = 0;

    // The font block that many kinds share: name ("Arial"), height (14), style, colour.
    void Font(const char* prefix, std::string& name, int& height, TFontStyles& style, TColor& color);
    // The four inner corner points, in text order.
    void Corners(TPoint& leftTop, TPoint& rightTop, TPoint& leftBottom, TPoint& rightBottom);
};

// Reads the keys of one section into the visited fields.
class SkinFieldLoader final : public SkinFieldVisitor {
  public:
    SkinFieldLoader(const SkinIni& ini, std::string_view section) : ini_(ini), section_(section) {}
    void Int(const char* key, int& value, int def) override;
    void Colour(const char* key, TColor& value, TColor def) override;
    void Bool(const char* key, bool& value) override;
    void Text(const char* key, std::string& value, const char* def) override;
    void Rect(const char* key, TRect& value) override;
    void Point(const char* key, TPoint& value) override;
    void FontStyle(const char* key, TFontStyles& value) override;
    void Alignment(const char* key, TAlignment& value) override;
    void MorphKind(const char* key, TbsMorphKind& value) override;
    void StretchType(const char* key, TbsStretchType& value) override;
    void Effect(const char* key, TbsInActiveEffect& value) override;
    void Command(const char* key, TbsStdCommand& value) override;

  private:
    const SkinIni& ini_;
    std::string_view section_;
};

// Writes the visited fields as keys of one section.
class SkinFieldSaver final : public SkinFieldVisitor {
  public:
    SkinFieldSaver(SkinIni& ini, std::string_view section) : ini_(ini), section_(section) {}
    void Int(const char* key, int& value, int def) override;
    void Colour(const char* key, TColor& value, TColor def) override;
    void Bool(const char* key, bool& value) override;
    void Text(const char* key, std::string& value, const char* def) override;
    void Rect(const char* key, TRect& value) override;
    void Point(const char* key, TPoint& value) override;
    void FontStyle(const char* key, TFontStyles& value) override;
    void Alignment(const char* key, TAlignment& value) override;
    void MorphKind(const char* key, TbsMorphKind& value) override;
    void StretchType(const char* key, TbsStretchType& value) override;
    void Effect(const char* key, TbsInActiveEffect& value) override;
    void Command(const char* key, TbsStdCommand& value) override;

  private:
    SkinIni& ini_;
    std::string_view section_;
};

}  // namespace dsp
