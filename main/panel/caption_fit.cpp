#include "main/panel/caption_fit.h"

#include <climits>
#include <cstdlib>

namespace dsp {
namespace {

// The smallest character height a caption is shrunk to.
constexpr int kSmallestHeight = 8;

// The room from the label's left edge to the nearest sibling that starts to
// its right on the same row; INT_MAX when nothing stands beside it.
int RoomBeside(const TWinControl& parent, const TControl& label) {
    int room = INT_MAX;
    for (int i = 0; i < parent.ControlCount(); ++i) {
        const TControl* other = parent.Controls(i);
        if (other == &label || !other->Visible() || other->Left() <= label.Left()) continue;
        const bool sameRow =
            other->Top() < label.Top() + label.Height() && label.Top() < other->Top() + other->Height();
        if (sameRow) room = std::min(room, other->Left() - label.Left());
    }
    return room;
}

// One size smaller; negative heights are character heights, positive ones
// cell heights, and either shrinks towards 0.
int OneSmaller(int height) { return height < 0 ? height + 1 : height - 1; }

}  // namespace

void CaptionFit::Fit(TWinControl& root) {
    for (int i = 0; i < root.ControlCount(); ++i) {
        TControl* child = root.Controls(i);
        // A label has no window; a windowed control may hold labels.
        if (child->IsWindowed())
            Fit(*static_cast<TWinControl*>(child));
        else if (auto* label = dynamic_cast<TbsSkinStdLabel*>(child))
            FitLabel(*label, RoomBeside(root, *label));
    }
}

void CaptionFit::FitLabel(TbsSkinStdLabel& label, int room) {
    const TFont& own = ownFonts_.try_emplace(&label, label.Font()).first->second;
    if (label.Font().Height() != own.Height()) label.SetFont(own);
    TFont font = own;
    while (label.Width() > room && std::abs(font.Height()) > kSmallestHeight) {
        font.SetHeight(OneSmaller(font.Height()));
        label.SetFont(font);
    }
}

}  // namespace dsp
