#include "controls/list_box.h"

#include "controls/look/list_row_look.h"
#include "controls/scroll_bar.h"
#include "controls/skin_sections.h"
#include "skin/data_skin_lists.h"

namespace dsp {

TbsSkinCustomListBox::TbsSkinCustomListBox(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName(SkinSectionName(SkinSection::ListBox));
    // The combo holds the mouse while its list is open.
    SetControlStyle(ControlStyle() & ~(csCaptureMouse | csClickEvents));
    scrollBar_ = new TbsSkinScrollBar(this);
    scrollBar_->SetParent(this);
    scrollBar_->SetKind(ScrollBarKind::sbVertical);
    scrollBar_->SetVisible(false);
    scrollBar_->OnChange = [this](TObject*) {
        if (!syncing_ && OnScroll) OnScroll(scrollBar_->Position());
        Invalidate();
    };
}

void TbsSkinCustomListBox::SetDefaultItemHeight(int h) {
    if (h > 0) defaultItemHeight_ = h;
}

const TbsDataSkinListBox* TbsSkinCustomListBox::ListSection() const {
    return link_.Section<TbsDataSkinListBox>();
}

void TbsSkinCustomListBox::ReadSkinData() {
    TbsSkinCustomControl::ReadSkinData();
    // The scroll bars follow the list: its skin data, and the section names
    // the list section gives them; none without a list section.
    const TbsDataSkinListBox* s = ListSection();
    scrollBar_->SetSkinDataName(s ? s->VScrollBarName : std::string());
    if (scrollBar_->SkinData() != SkinData()) scrollBar_->SetSkinData(SkinData());
}

int TbsSkinCustomListBox::ItemHeight() const {
    const TbsDataSkinListBox* s = ListSection();
    if (s && useSkinItemHeight_ && s->ItemRect.Height() > 0) return s->ItemRect.Height();
    return defaultItemHeight_;
}

int TbsSkinCustomListBox::FrameHeight() const {
    const TbsDataSkinListBox* s = ListSection();
    if (!s) return -1;
    return s->SkinRect.Height() - s->ClientRect.Height();
}

Rect TbsSkinCustomListBox::InnerRect() const {
    if (!ListSection() || ResizeMode() == SkinResizeMode::None)
        return {kListFrame, kListFrame, Width() - kListFrame, Height() - kListFrame};
    return dsp::CalcSkinSize(Anchors(), ResizeMode(), Width(), Height()).clientRect;
}

Rect TbsSkinCustomListBox::RowsRect() const {
    Rect r = InnerRect();
    if (scrollBar_->Visible()) r.right = scrollBar_->Left();
    return r;
}

void TbsSkinCustomListBox::PlaceScrollBar(bool shown) {
    scrollBar_->SetVisible(shown);
    if (!shown) return;
    const Rect inner = InnerRect();
    // A skinned bar keeps its section's width; place it by the width it took.
    scrollBar_->SetBounds(inner.right - kListScrollWidth, inner.top, kListScrollWidth, inner.Height());
    scrollBar_->SetBounds(inner.right - scrollBar_->Width(), inner.top, scrollBar_->Width(),
                          scrollBar_->Height());
}

void TbsSkinCustomListBox::Sync() {
    const bool scroll = rows_ && rows_->Count() > rows_->Rows();
    syncing_ = true;
    PlaceScrollBar(scroll);
    if (scroll) {
        ScrollBarModel& m = scrollBar_->Model();
        m.SetParams(0, rows_->Count() - 1, rows_->Rows(), rows_->TopIndex());
        m.SetLargeChange(rows_->Rows());
    }
    syncing_ = false;
}

void TbsSkinCustomListBox::PaintDefaultLook(LookContext& look) {
    PaintListBoxDefaultFrame(look, ClientRect());
    PaintRows(look.canvas, nullptr);
}

void TbsSkinCustomListBox::PaintSkinLook(LookContext& look) {
    const TbsDataSkinListBox* s = ListSection();
    if (!s) {
        PaintDefaultLook(look);
        return;
    }
    TbsSkinCustomControl::PaintSkinLook(look);
    // Without a picture the rows keep their height but show nothing.
    if (!SkinPicture()) return;
    PaintRows(look.canvas, s);
}

void TbsSkinCustomListBox::PaintRows(Canvas& canvas, const TbsDataSkinListBox* section) {
    if (!rows_) return;
    const Rect area = RowsRect();
    const int h = ItemHeight();
    const TFont font = section && UseSkinFont() ? WithSectionFace(DefaultFont(), *section) : DefaultFont();
    ClipScope clip(canvas, area);
    for (int i = 0; i < rows_->Rows(); ++i) {
        const int index = rows_->TopIndex() + i;
        if (index >= rows_->Count()) break;
        ListRowVisual v{rows_->Items()[static_cast<std::size_t>(index)],
                        area.Width(),
                        h,
                        index == rows_->ItemIndex(),
                        false,
                        &font};
        Bitmap row(v.width, v.height);
        Canvas rc(row);
        LookContext look{rc, Fonts()};
        if (section && useSkinItemHeight_)
            PaintListRowSkin(look, v, SkinPartsOf(*section));
        else if (section)
            PaintListRowSkinFitted(look, v, SkinPartsOf(*section));
        else
            PaintListRowDefault(look, v);
        canvas.Draw({area.left, area.top + i * h}, row);
    }
}

void TbsSkinCustomListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft && OnLeftPress) OnLeftPress();
}

void TbsSkinCustomListBox::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseMove(shift, x, y);
    if (OnPointerMove) OnPointerMove(ClientToScreen({x, y}));
}

}  // namespace dsp
