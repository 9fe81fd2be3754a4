#pragma once
// The skin change messages a skin data object sends to every window, with
// the skin data object as first parameter and kSkinMessageParam as second.

namespace dsp {

enum SkinMessage : unsigned {
    WM_BEFORECHANGESKINDATA = 1225,
    WM_CHANGESKINDATA = 1226,
    WM_AFTERCHANGESKINDATA = 1227,
    WM_CHANGERESSTRDATA = 1274,
    WM_CHANGEFORMSKINNABLE = 1294,
};

inline constexpr int kSkinMessageParam = 1000;

}  // namespace dsp
