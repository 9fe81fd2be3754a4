#pragma once
// TbsSkinComponent and TbsSkinFrame.
//
// TbsSkinComponent is a non-visual component that draws from a skin data
// object (SkinData). It asks to hear of that object's destruction and then
// forgets it, so it never reads from a freed skin.
//
// TbsSkinFrame paints its window's background from the skin: placed on a
// window at run time, it puts its handler in front of the window's message
// handler, answers erase-background requests itself and passes every other
// message on; the previous handler is restored when it goes. It also hands
// CtrlsSkinData to every skinned control the window owns.

#include "platform/framework/component.h"
#include "platform/framework/control.h"
#include "platform/graphics/canvas.h"
#include "skin/skin_data.h"
#include "skin/skin_data_user.h"

namespace dsp {

class TbsSkinComponent : public TComponent {
  public:
    explicit TbsSkinComponent(TComponent* owner) : TComponent(owner) {}
    TbsSkinData* SkinData() const { return skinData_; }
    virtual void SetSkinData(TbsSkinData* value);
    // The window's frame calls this on every skin change.
    virtual void ChangeSkinData() {}

  protected:
    void Notification(TComponent* component, TOperation operation) override;

  private:
    TbsSkinData* skinData_ = nullptr;
};

class TbsSkinFrame : public TbsSkinComponent {
  public:
    explicit TbsSkinFrame(TComponent* owner);
    ~TbsSkinFrame() override;

    bool DrawBackground() const { return drawBackground_; }
    void SetDrawBackground(bool value) { drawBackground_ = value; }
    TbsSkinData* CtrlsSkinData() const { return ctrlsSkinData_; }
    // Gives `value` to every skinned control the window owns.
    void SetCtrlsSkinData(TbsSkinData* value);

    void ChangeSkinData() override;

    // Paints `client` (a rectangle from (0,0)) with the background of `skin`:
    // button face without a loaded skin, else the background tile, tiled or
    // stretched as the form description says.
    static void PaintBackground(Canvas& canvas, const Rect& client, const TbsSkinData* skin);

  protected:
    void Notification(TComponent* component, TOperation operation) override;

  private:
    void HandleMessage(TMessage& message);

    TControl* window_ = nullptr;
    TWndMethod previousHandler_;
    bool drawBackground_ = true;
    TbsSkinData* ctrlsSkinData_ = nullptr;
};

}  // namespace dsp
