#include "skin/form/skin_popup_menu.h"

#include <algorithm>
#include <cctype>

#include "platform/framework/application.h"
#include "platform/text/draw_text.h"
#include "skin/compose/plan_draw.h"
#include "skin/compose/skin_body.h"
#include "skin/data_skin_objects.h"
#include "skin/form/frame_layout.h"
#include "skin/skin_data.h"

namespace dsp {
namespace {

constexpr int kFallbackFrame = 3;
constexpr int kFallbackTextLeft = 20;
constexpr int kShortCutGap = 24;
constexpr int kSeparatorHeight = 8;
constexpr int kMinMenuWidth = 120;

const TbsDataSkinMenuItem* MenuItemLook(const TbsSkinData* skin) {
    if (skin == nullptr || skin->Empty()) return nullptr;
    const int index = skin->GetIndexByName("MENUITEM");
    if (index < 0) return nullptr;
    return dynamic_cast<const TbsDataSkinMenuItem*>(
        skin->ObjectList()[static_cast<std::size_t>(index)].get());
}

const Bitmap* WindowPicture(const TbsSkinData* skin) {
    if (skin == nullptr || skin->Empty()) return nullptr;
    return skin->Picture(skin->PopupWindow().WindowPictureIndex);
}

// A row image laid across `dest`: fixed ends of `left` and `right` pixels,
// the middle stretched.
void DrawRow(Canvas& canvas, const Bitmap& picture, const Rect& source, const Rect& dest, int left,
             int right) {
    ThreePiece in;
    in.startFixed = left;
    in.endFixed = right;
    in.destLength = dest.Width();
    in.fill = PieceFill::Stretch;
    PiecePlan plan = ThreePiecePlan(source, Axis::Horizontal, in);
    for (Piece& p : plan) p.dest.bottom = p.dest.top + dest.Height();
    OffsetPlan(plan, dest.left, dest.top);
    DrawPlan(canvas, picture, plan);
}

// The letter after a single "&", lower case; 0 when there is none.
char32_t Accelerator(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char32_t>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

}  // namespace

TbsSkinPopupMenu::TbsSkinPopupMenu(TComponent* owner, FontEngine& fonts) : TForm(owner), fonts_(fonts) {
    SetPopup(true);
    SetControlStyle((ControlStyle() | csOpaque) & ~(csClickEvents | csDoubleClicks));
}

TbsSkinPopupMenu::~TbsSkinPopupMenu() {
    if (Application && Application->Input().KeyGrab() == this) Application->Input().SetKeyGrab(nullptr);
}

TFont TbsSkinPopupMenu::ItemFont(bool hot, bool enabled) const {
    if (const TbsDataSkinMenuItem* look = MenuItemLook(skin_)) {
        const TColor c = !enabled ? look->UnEnabledFontColor : hot ? look->ActiveFontColor : look->FontColor;
        return TFont(look->FontName, look->FontHeight, look->FontStyle, static_cast<Color>(c));
    }
    return TFont("Arial", 14, 0, !enabled ? clGrayText : hot ? clHighlightText : clBtnText);
}

int TbsSkinPopupMenu::RowHeight(const TbsMenuItem& item) const {
    const TbsDataSkinMenuItem* look = MenuItemLook(skin_);
    if (item.IsSeparator())
        return look && !look->DividerRect.IsEmpty() ? look->DividerRect.Height() : kSeparatorHeight;
    return look && !look->SkinRect.IsEmpty() ? look->SkinRect.Height() : defaultItemHeight_;
}

Rect TbsSkinPopupMenu::ItemsArea() const {
    if (WindowPicture(skin_) != nullptr) {
        const Bitmap& picture = *WindowPicture(skin_);
        const Rect items = ToRect(skin_->PopupWindow().ItemsRect);
        return {items.left, items.top, Width() - (picture.Width() - items.right),
                Height() - (picture.Height() - items.bottom)};
    }
    return Rect{0, 0, Width(), Height()}.Inflate(-kFallbackFrame, -kFallbackFrame);
}

Size TbsSkinPopupMenu::MeasureMenu(Canvas& canvas) {
    const TbsDataSkinMenuItem* look = MenuItemLook(skin_);
    const int textLeft = look ? look->TextRect.Left : kFallbackTextLeft;
    const int textRight = look ? look->SkinRect.Width() - look->TextRect.Right : 8;
    int width = 0, height = 0;
    for (const TbsMenuItem& item : items_) {
        height += RowHeight(item);
        if (item.IsSeparator()) continue;
        const TFont font = ItemFont(false, true);
        Rect r;
        DrawText(fonts_, canvas, font, item.caption, r, kDtSingleLine | kDtCalcRect);
        int w = r.Width();
        if (!item.shortCut.empty()) w += kShortCutGap + fonts_.TextExtent(font, item.shortCut).cx;
        width = std::max(width, textLeft + w + textRight);
    }
    width = std::max(width, kMinMenuWidth);
    if (const Bitmap* picture = WindowPicture(skin_)) {
        const Rect items = ToRect(skin_->PopupWindow().ItemsRect);
        return {width + items.left + picture->Width() - items.right,
                height + items.top + picture->Height() - items.bottom};
    }
    return {width + 2 * kFallbackFrame, height + 2 * kFallbackFrame};
}

void TbsSkinPopupMenu::Popup(Point screen, const Rect& area) {
    // Measuring goes through the text layout, which wants a canvas.
    Bitmap scratch(1, 1);
    Canvas canvas(scratch);
    const Size size = MeasureMenu(canvas);
    int x = screen.x, y = screen.y;
    if (!area.IsEmpty()) {
        x = std::clamp(x, area.left, std::max(area.left, area.right - size.cx));
        y = std::clamp(y, area.top, std::max(area.top, area.bottom - size.cy));
    }
    hot_ = -1;
    SetBounds(x, y, size.cx, size.cy);
    open_ = true;
    Show();
    Invalidate();
    SetMouseCapture(true);
    if (Application) Application->Input().SetKeyGrab(this);
}

void TbsSkinPopupMenu::CloseMenu(std::function<void()> chosen) {
    if (!open_) return;
    open_ = false;
    if (Application && Application->Input().KeyGrab() == this) Application->Input().SetKeyGrab(nullptr);
    SetMouseCapture(false);
    Hide();
    if (OnMenuClose) OnMenuClose();
    if (chosen) chosen();
}

Rect TbsSkinPopupMenu::ItemRect(int index) const {
    const Rect area = ItemsArea();
    int y = area.top;
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        const int h = RowHeight(items_[static_cast<std::size_t>(i)]);
        if (i == index) return {area.left, y, area.right, y + h};
        y += h;
    }
    return {};
}

int TbsSkinPopupMenu::ItemAt(Point p) const {
    for (int i = 0; i < static_cast<int>(items_.size()); ++i)
        if (ItemRect(i).Contains(p)) return i;
    return -1;
}

void TbsSkinPopupMenu::Choose(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    const TbsMenuItem& item = items_[static_cast<std::size_t>(index)];
    if (item.IsSeparator() || !item.enabled) return;
    CloseMenu(item.onClick);
}

void TbsSkinPopupMenu::MoveHot(int step) {
    const int n = static_cast<int>(items_.size());
    if (n == 0) return;
    int i = hot_;
    for (int tries = 0; tries < n; ++tries) {
        i = i < 0 ? (step > 0 ? 0 : n - 1) : (i + step + n) % n;
        const TbsMenuItem& item = items_[static_cast<std::size_t>(i)];
        if (!item.IsSeparator() && item.enabled) break;
    }
    hot_ = i;
    Invalidate();
}

void TbsSkinPopupMenu::WndProc(TMessage& m) {
    // Keys reach the menu as the keyboard's holder; none goes further.
    TForm::WndProc(m);
}

void TbsSkinPopupMenu::MouseMove(TShiftState shift, int x, int y) {
    TForm::MouseMove(shift, x, y);
    const int index = ItemAt({x, y});
    const bool usable = index >= 0 && !items_[static_cast<std::size_t>(index)].IsSeparator();
    const int hot = usable ? index : -1;
    if (hot != hot_ && (hot >= 0 || !ClientRect().Contains(Point{x, y}))) {
        hot_ = hot;
        Invalidate();
    }
}

void TbsSkinPopupMenu::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TForm::MouseDown(button, shift, x, y);
    // A press outside the menu closes it and is not passed on.
    if (!ClientRect().Contains(Point{x, y})) CloseMenu();
}

void TbsSkinPopupMenu::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TForm::MouseUp(button, shift, x, y);
    if (!open_) return;
    const int index = ItemAt({x, y});
    if (index >= 0) Choose(index);
}

void TbsSkinPopupMenu::KeyDown(uint16_t& key, TShiftState shift) {
    switch (key) {
        case kVkUp:
            MoveHot(-1);
            break;
        case kVkDown:
            MoveHot(1);
            break;
        case kVkReturn:
        case kVkSpace:
            Choose(hot_);
            break;
        case kVkEscape:
            CloseMenu();
            break;
        case kVkF4:
            // Alt+F4 is the menu's own shortcut for Close.
            if (shift & ssAlt) {
                for (int i = 0; i < static_cast<int>(items_.size()); ++i)
                    if (items_[static_cast<std::size_t>(i)].shortCut == "Alt+F4") return Choose(i);
            }
            break;
        default:
            return TForm::KeyDown(key, shift);
    }
    key = 0;
}

void TbsSkinPopupMenu::KeyPress(char32_t& key) {
    const char32_t lower = key < 128 ? static_cast<char32_t>(std::tolower(static_cast<int>(key))) : key;
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        const TbsMenuItem& item = items_[static_cast<std::size_t>(i)];
        if (item.enabled && !item.IsSeparator() && Accelerator(item.caption) == lower) {
            key = 0;
            return Choose(i);
        }
    }
}

void TbsSkinPopupMenu::Paint() {
    Canvas& canvas = *PaintCanvas();
    PaintWindow(canvas);
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) PaintItem(canvas, i);
}

void TbsSkinPopupMenu::PaintWindow(Canvas& canvas) {
    const Rect all{0, 0, Width(), Height()};
    const Bitmap* picture = WindowPicture(skin_);
    if (picture == nullptr) {
        canvas.FillRect(all, clBtnFace);
        canvas.Draw3DRect(all, cl3DLight, cl3DDkShadow);
        canvas.Draw3DRect(all.Inflate(-1, -1), clBtnHighlight, clBtnShadow);
        return;
    }
    const TbsDataSkinPopupWindow& w = skin_->PopupWindow();
    SkinAnchors a{picture->Bounds(),  ToPoint(w.LTPoint), ToPoint(w.RTPoint),
                  ToPoint(w.LBPoint), ToPoint(w.RBPoint), ToRect(w.ItemsRect)};
    SkinStretch s{w.LeftStretch,   w.TopStretch,    w.RightStretch,
                  w.BottomStretch, w.StretchEffect, w.StretchType};
    DrawPlan(canvas, *picture, SkinBodyPlan(a, s, SkinResizeMode::Both, Width(), Height()));
}

void TbsSkinPopupMenu::PaintItem(Canvas& canvas, int index) {
    const TbsMenuItem& item = items_[static_cast<std::size_t>(index)];
    const Rect row = ItemRect(index);
    const TbsDataSkinMenuItem* look = MenuItemLook(skin_);
    const Bitmap* picture = look ? skin_->Picture(look->ActivePictureIndex) : nullptr;
    const bool hot = index == hot_ && item.enabled;
    if (item.IsSeparator()) {
        if (picture && !look->DividerRect.IsEmpty()) {
            DrawRow(canvas, *picture, ToRect(look->DividerRect), row.Inflate(-look->DividerLeftOffset, 0), 0,
                    0);
        } else {
            const int y = row.top + row.Height() / 2 - 1;
            canvas.DrawLine({row.left + 2, y}, {row.right - 2, y}, clBtnShadow);
            canvas.DrawLine({row.left + 2, y + 1}, {row.right - 2, y + 1}, clBtnHighlight);
        }
        return;
    }
    int textLeft = kFallbackTextLeft, textRight = 8;
    if (picture) {
        const Rect source =
            ToRect(hot && !look->ActiveSkinRect.IsEmpty() ? look->ActiveSkinRect : look->SkinRect);
        DrawRow(canvas, *picture, source, row, look->ItemLeftOffset, look->ItemRightOffset);
        textLeft = look->TextRect.Left;
        textRight = look->SkinRect.Width() - look->TextRect.Right;
    } else if (hot) {
        canvas.FillRect(row, clHighlight);
    }
    const TFont font = ItemFont(hot, item.enabled);
    Rect text{row.left + textLeft, row.top, row.right - textRight, row.bottom};
    DrawText(fonts_, canvas, font, item.caption, text, kDtSingleLine | kDtVCenter | kDtLeft);
    if (!item.shortCut.empty()) {
        Rect sc{row.left + textLeft, row.top, row.right - textRight, row.bottom};
        DrawText(fonts_, canvas, font, item.shortCut, sc,
                 kDtSingleLine | kDtVCenter | kDtRight | kDtNoPrefix);
    }
}

}  // namespace dsp
