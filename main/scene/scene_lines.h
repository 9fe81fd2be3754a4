#pragma once
// The line handling that scene files and scene.conf share.

#include <algorithm>
#include <string_view>

namespace dsp {

// Without surrounding blanks and a carriage return (files edited on Windows).
inline std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// Calls `line(number, text)` for each line (numbered from 1) until it returns
// false; returns whether every line was taken.
template <typename LineFn>
bool ForEachLine(std::string_view text, LineFn&& line) {
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        if (!line(++number, text.substr(0, end))) return false;
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return true;
}

}  // namespace dsp
