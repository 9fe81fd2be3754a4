#pragma once
// SkinDataUser: what draws from a skin data object (controls, labels,
// bevels). The window's skin change relay and the background painter's
// CtrlsSkinData reach them through it without knowing the control classes.

namespace dsp {

class TbsSkinData;

class SkinDataUser {
  public:
    virtual ~SkinDataUser() = default;
    virtual TbsSkinData* SkinData() const = 0;
    virtual void SetSkinData(TbsSkinData* value) = 0;
    // The skin data is about to change: draw without it until it is applied.
    virtual void ForgetSkinData() = 0;
    // The skin data's new content is in place: read it again and repaint.
    virtual void ApplySkinData() = 0;
};

}  // namespace dsp
