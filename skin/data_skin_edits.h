#pragma once
// The edit kinds: edits, memos, spin edits and up-down buttons.

#include <string>

#include "skin/data_skin_control.h"

namespace dsp {

// "edit"
class TbsDataSkinEditControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect ActiveSkinRect;
    std::string FontName = "Arial";
    int FontHeight = 14;
    TFontStyles FontStyle = 0;
    TColor FontColor = 0;
    TColor DisabledFontColor = 0;
    TColor ActiveFontColor = 0;
    TRect ButtonRect;
    TRect ActiveButtonRect;
    TRect DownButtonRect;
    TRect UnEnabledButtonRect;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "memo"
class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
  public:
    using TbsDataSkinEditControl::TbsDataSkinEditControl;

    TColor BGColor = 0;
    TColor ActiveBGColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "spinedit"
class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect ActiveSkinRect;
    std::string FontName = "Arial";
    int FontHeight = 14;
    TFontStyles FontStyle = 0;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor DisabledFontColor = 0;
    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "updown"
class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
    void AfterLoad(const SkinIni& ini) override;
};

}  // namespace dsp
