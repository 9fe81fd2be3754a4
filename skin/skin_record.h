#pragma once
// SkinRecord: a plain record read from one section of a skin description.
// Each kind lists its keys once, in reading order, in VisitFields (parent
// keys first); loading and saving both walk that list, so a saved record has
// the same keys in the same order and forms as the one it was read from.

#include <string>
#include <utility>

#include "skin/skin_fields.h"
#include "skin/skin_ini.h"

namespace dsp {

class SkinRecord {
  public:
    explicit SkinRecord(std::string idName) : idName_(std::move(idName)) {}
    virtual ~SkinRecord() = default;
    SkinRecord(const SkinRecord&) = delete;
    SkinRecord& operator=(const SkinRecord&) = delete;

    // The section name: controls and the frame find their data by it.
    const std::string& IDName() const { return idName_; }
    // Reads the section named IDName; absent keys take their defaults. A
    // malformed rectangle or point raises ESkinError.
    void LoadFromFile(const SkinIni& ini);
    // Writes the same keys, in the same order and forms, into section IDName.
    void SaveToFile(SkinIni& ini) const;

  protected:
    virtual void VisitFields(SkinFieldVisitor& v) = 0;
    // Fix-ups a kind applies once its keys are read.
    virtual void AfterLoad(const SkinIni&) {}

  private:
    std::string idName_;
};

}  // namespace dsp
