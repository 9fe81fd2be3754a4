#pragma once
// TbsDataSkinControl and TbsDataSkinCustomControl: the data of one control
// section of a skin. A data object is created with its section name
// (IDName), by which controls find it, and then loaded from the description
// text. Fields are public: the objects are plain records that controls read.
// Each class lists its keys once, in reading order, in VisitFields; load and
// save both walk that list (parent keys first).

#include <string>

#include "skin/skin_key_groups.h"
#include "skin/skin_record.h"
#include "skin/skin_types.h"

namespace dsp {

class TbsDataSkinControl : public SkinRecord {
  public:
    using SkinRecord::SkinRecord;

    int PictureIndex = -1;
    int MaskPictureIndex = -1;
    TRect SkinRect;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

class TbsDataSkinCustomControl : public TbsDataSkinControl, public SkinCornerKeys, public SkinStretchKeys {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TRect ClientRect;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

}  // namespace dsp
