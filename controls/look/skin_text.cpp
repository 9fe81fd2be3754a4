#include "controls/look/skin_text.h"

#include "platform/text/text_format.h"
#include "skin/compose/plan_draw.h"

namespace dsp {

unsigned SkinAlignFlags(TAlignment a) {
    switch (a) {
        case TAlignment::taRightJustify:
            return kDtRight;
        case TAlignment::taCenter:
            return kDtCenter;
        case TAlignment::taLeftJustify:
            break;
    }
    return kDtLeft;
}

void DrawSkinBody(Canvas& canvas, const Bitmap& picture, const SkinBody& body, const Rect& source, int width,
                  int height, Point at) {
    SkinAnchors anchors = body.anchors;
    anchors.skinRect = source;
    PiecePlan plan = SkinBodyPlan(anchors, body.stretch, body.mode, width, height);
    OffsetPlan(plan, at.x, at.y);
    DrawPlan(canvas, picture, plan);
}

}  // namespace dsp
