#include "skin/skin_record.h"

namespace dsp {

void SkinRecord::LoadFromFile(const SkinIni& ini) {
    SkinFieldLoader loader(ini, idName_);
    VisitFields(loader);
    AfterLoad(ini);
}

void SkinRecord::SaveToFile(SkinIni& ini) const {
    SkinFieldSaver saver(ini, idName_);
    // The saver only reads the fields; the visitor takes them by reference so
    // that one key list serves both directions.
    const_cast<SkinRecord*>(this)->VisitFields(saver);
}

}  // namespace dsp
