#pragma once
// TbsDataSkinObject: the data of one frame object of a skin (caption,
// caption buttons, menu items), read from the section its [SKINOBJECTS]
// entry names. Like the control data, it is a plain record whose keys are
// listed once, in reading order, in VisitFields.

#include <string>

#include "skin/skin_record.h"
#include "skin/skin_types.h"

namespace dsp {

class TbsDataSkinObject : public SkinRecord {
  public:
    using SkinRecord::SkinRecord;

    std::string Hint;
    int ActivePictureIndex = -1;
    bool SkinRectInAPicture = false;
    TRect SkinRect;
    TRect ActiveSkinRect;
    TRect InActiveSkinRect;
    bool Morphing = false;
    TbsMorphKind MorphKind = TbsMorphKind::mkDefault;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "userobject": only a position; it has none of the object keys.
class TbsDataUserObject : public TbsDataSkinObject {
  public:
    using TbsDataSkinObject::TbsDataSkinObject;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

}  // namespace dsp
