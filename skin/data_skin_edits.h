#pragma once
// The edit kinds: edits, memos, spin edits and up-down buttons.

#include <string>

#include "skin/data_skin_control.h"

namespace dsp {

// "edit"
class TbsDataSkinEditControl : public TbsDataSkinCustomControl,
                               public SkinFontKeys,
                               public SkinStateButtonKeys {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect ActiveSkinRect;
    TColor DisabledFontColor = 0;
    TColor ActiveFontColor = 0;

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
class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl,
                                   public SkinFontKeys,
                                   public SkinUpDownButtonKeys {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect ActiveSkinRect;
    TColor ActiveFontColor = 0;
    TColor DisabledFontColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "updown"
class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl, public SkinUpDownButtonKeys {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
    void AfterLoad(const SkinIni& ini) override;
};

}  // namespace dsp
