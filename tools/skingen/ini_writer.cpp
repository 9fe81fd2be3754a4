#include "tools/skingen/ini_writer.h"

namespace dsp::skingen {

void IniWriter::Section(std::string_view name) {
    if (!text_.empty()) Blank();
    text_ += "[";
    text_ += name;
    text_ += "]\r\n";
}

void IniWriter::Text(std::string_view key, std::string_view value) {
    text_ += key;
    text_ += "=";
    text_ += value;
    text_ += "\r\n";
}

void IniWriter::Int(std::string_view key, int value) { Text(key, std::to_string(value)); }

void IniWriter::Colour(std::string_view key, Color value) { Text(key, std::to_string(value)); }

void IniWriter::Bool(std::string_view key, bool value) { Text(key, value ? "1" : "0"); }

void IniWriter::RectKey(std::string_view key, const Rect& r) {
    Text(key, std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                  std::to_string(r.bottom));
}

void IniWriter::PointKey(std::string_view key, Point p) {
    Text(key, std::to_string(p.x) + "," + std::to_string(p.y));
}

void IniWriter::Blank() { text_ += "\r\n"; }

}  // namespace dsp::skingen
