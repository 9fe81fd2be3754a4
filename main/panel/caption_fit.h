#pragma once
// CaptionFit: a label whose caption would run under the control beside it
// (the English captions are longer than the Chinese ones the layout was
// drawn for) is drawn a size smaller, as far as a floor, so that the whole
// caption stays visible while the layout's positions stay. Each fit starts
// again from the label's own font, so a shorter caption gets it back.

#include <map>

#include "controls/label.h"
#include "platform/framework/win_control.h"

namespace dsp {

class CaptionFit {
  public:
    // Fits every text label under `root`.
    void Fit(TWinControl& root);

  private:
    void FitLabel(TbsSkinStdLabel& label, int room);

    std::map<const TbsSkinStdLabel*, TFont> ownFonts_;
};

}  // namespace dsp
