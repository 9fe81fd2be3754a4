#include "skin/skin_change_relay.h"

#include "platform/framework/messages.h"
#include "skin/skin_data_user.h"
#include "skin/skin_frame.h"

namespace dsp {
namespace {

template <class Visit>
void ForEachUser(TWinControl& parent, TbsSkinData* data, const Visit& visit) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* control = parent.Controls(i);
        if (auto* user = dynamic_cast<SkinDataUser*>(control); user && user->SkinData() == data) visit(*user);
        // Only a windowed control holds others; asking saves a cast per control.
        if (control->IsWindowed()) ForEachUser(*static_cast<TWinControl*>(control), data, visit);
    }
}

}  // namespace

bool RelaySkinChange(TWinControl& window, const TMessage& message) {
    auto* data = reinterpret_cast<TbsSkinData*>(message.WParam);
    switch (message.Msg) {
        case kWmBeforeChangeSkinData:
            ForEachUser(window, data, [](SkinDataUser& user) { user.ForgetSkinData(); });
            return true;
        case kWmChangeSkinData:
            ForEachUser(window, data, [](SkinDataUser& user) { user.ApplySkinData(); });
            for (int i = 0; i < window.ComponentCount(); ++i) {
                if (auto* component = dynamic_cast<TbsSkinComponent*>(window.Components(i)))
                    component->ChangeSkinData();
            }
            return true;
        default:
            return false;
    }
}

}  // namespace dsp
