#pragma once
// The keys the controls' keyboard rules talk about, apart from characters.
// The real controls map the framework's key codes onto these.

namespace dsp {

enum class NavKey { Left, Right, Up, Down, Home, End, PageUp, PageDown, Enter, Escape, Space, Other };

} // namespace dsp
