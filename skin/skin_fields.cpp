#include "skin/skin_fields.h"

#include "skin/skin_values.h"

namespace dsp {

void SkinFieldVisitor::Font(const char* prefix, std::string& name, int& height, TFontStyles& style,
                            TColor& color) {
    std::string p(prefix);
    Text((p + "fontname").c_str(), name, "Arial");
    Int((p + "fontheight").c_str(), height, 14);
    FontStyle((p + "fontstyle").c_str(), style);
    Colour((p + "fontcolor").c_str(), color);
}

void SkinFieldVisitor::Corners(TPoint& leftTop, TPoint& rightTop, TPoint& leftBottom, TPoint& rightBottom) {
    Point("lefttoppoint", leftTop);
    Point("righttoppoint", rightTop);
    Point("leftbottompoint", leftBottom);
    Point("rightbottompoint", rightBottom);
}

void SkinFieldLoader::Int(const char* key, int& value, int def) {
    value = ReadSkinInt(ini_, section_, key, def);
}
void SkinFieldLoader::Colour(const char* key, TColor& value, TColor def) {
    value = ReadSkinInt(ini_, section_, key, def);
}
void SkinFieldLoader::Bool(const char* key, bool& value) { value = ReadSkinBool(ini_, section_, key); }
void SkinFieldLoader::Text(const char* key, std::string& value, const char* def) {
    value = ini_.ReadString(section_, key, def);
}
void SkinFieldLoader::Rect(const char* key, TRect& value) { value = ReadSkinRect(ini_, section_, key); }
void SkinFieldLoader::Point(const char* key, TPoint& value) { value = ReadSkinPoint(ini_, section_, key); }
void SkinFieldLoader::FontStyle(const char* key, TFontStyles& value) {
    value = ReadSkinFontStyle(ini_, section_, key);
}
void SkinFieldLoader::Alignment(const char* key, TAlignment& value) {
    value = ReadSkinAlignment(ini_, section_, key);
}
void SkinFieldLoader::MorphKind(const char* key, TbsMorphKind& value) {
    value = ReadSkinMorphKind(ini_, section_, key);
}
void SkinFieldLoader::StretchType(const char* key, TbsStretchType& value) {
    value = ReadSkinStretchType(ini_, section_, key);
}
void SkinFieldLoader::Effect(const char* key, TbsInActiveEffect& value) {
    value = ReadSkinEffect(ini_, section_, key);
}
void SkinFieldLoader::Command(const char* key, TbsStdCommand& value) {
    value = ReadSkinCommand(ini_, section_, key);
}

void SkinFieldSaver::Int(const char* key, int& value, int) {
    ini_.WriteString(section_, key, std::to_string(value));
}
void SkinFieldSaver::Colour(const char* key, TColor& value, TColor) {
    ini_.WriteString(section_, key, std::to_string(value));
}
void SkinFieldSaver::Bool(const char* key, bool& value) {
    ini_.WriteString(section_, key, value ? "1" : "0");
}
void SkinFieldSaver::Text(const char* key, std::string& value, const char*) {
    ini_.WriteString(section_, key, value);
}
void SkinFieldSaver::Rect(const char* key, TRect& value) { ini_.WriteString(section_, key, RectText(value)); }
void SkinFieldSaver::Point(const char* key, TPoint& value) {
    ini_.WriteString(section_, key, PointText(value));
}
void SkinFieldSaver::FontStyle(const char* key, TFontStyles& value) {
    ini_.WriteString(section_, key, FontStyleText(value));
}
void SkinFieldSaver::Alignment(const char* key, TAlignment& value) {
    ini_.WriteString(section_, key, AlignmentText(value));
}
void SkinFieldSaver::MorphKind(const char* key, TbsMorphKind& value) {
    ini_.WriteString(section_, key, MorphKindText(value));
}
void SkinFieldSaver::StretchType(const char* key, TbsStretchType& value) {
    ini_.WriteString(section_, key, StretchTypeText(value));
}
void SkinFieldSaver::Effect(const char* key, TbsInActiveEffect& value) {
    ini_.WriteString(section_, key, EffectText(value));
}
void SkinFieldSaver::Command(const char* key, TbsStdCommand& value) {
    ini_.WriteString(section_, key, CommandText(value));
}

}  // namespace dsp
