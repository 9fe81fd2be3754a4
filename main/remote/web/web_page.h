#pragma once
// The remote's one page: HTML, CSS and JavaScript carried inside the program,
// with the panel's parameters grouped as the window groups them and the
// window's texts in both languages filled in.

#include <string>

namespace dsp {

std::string WebPage();

// The groups, parameters and texts the page builds itself from, as JSON.
std::string WebPageLayout();

}  // namespace dsp
