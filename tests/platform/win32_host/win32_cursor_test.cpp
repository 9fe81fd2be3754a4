#include "platform/hosts/win32/win32_cursor.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/framework/messages.h"

namespace dsp {
namespace {

constexpr TCursor kShapes[] = {TCursor::crDefault,   TCursor::crArrow,   TCursor::crIBeam,
                               TCursor::crHandPoint, TCursor::crSizeWE,  TCursor::crSizeNS,
                               TCursor::crSizeNWSE,  TCursor::crSizeNESW};

HCURSOR Loaded(TCursor shape) { return LoadCursorW(nullptr, SystemCursorName(shape)); }

// Every shape is a cursor the system has, each a different one but the
// default, which is the arrow.
TEST(Win32Cursor, EveryShapeIsItsOwnSystemCursor) {
    std::set<HCURSOR> seen;
    for (TCursor shape : kShapes) {
        ASSERT_NE(Loaded(shape), nullptr) << static_cast<int>(shape);
        if (shape == TCursor::crDefault) continue;
        EXPECT_TRUE(seen.insert(Loaded(shape)).second) << static_cast<int>(shape);
    }
    EXPECT_EQ(Loaded(TCursor::crDefault), Loaded(TCursor::crArrow));
}

TEST(Win32Cursor, SetCursorShowsTheFrameworksShapeInsideAndArrowsOnTheSizingBorders) {
    EXPECT_EQ(CursorForSetCursor(kHtClient, TCursor::crIBeam), TCursor::crIBeam);
    EXPECT_EQ(CursorForSetCursor(kHtClient, TCursor::crDefault), TCursor::crArrow);
    // A border's arrows whatever the framework last chose inside.
    EXPECT_EQ(CursorForSetCursor(kHtLeft, TCursor::crHandPoint), TCursor::crSizeWE);
    EXPECT_EQ(CursorForSetCursor(kHtBottom, TCursor::crIBeam), TCursor::crSizeNS);
    EXPECT_EQ(CursorForSetCursor(kHtTopLeft, TCursor::crArrow), TCursor::crSizeNWSE);
    EXPECT_EQ(CursorForSetCursor(kHtBottomLeft, TCursor::crArrow), TCursor::crSizeNESW);
    // Places the window never claims (another window's modal box: kHtError)
    // are the system's.
    EXPECT_EQ(CursorForSetCursor(kHtError, TCursor::crIBeam), std::nullopt);
    EXPECT_EQ(CursorForSetCursor(kHtNowhere, TCursor::crIBeam), std::nullopt);
}

}  // namespace
}  // namespace dsp
