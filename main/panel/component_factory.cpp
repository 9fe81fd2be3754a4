#include "main/panel/component_factory.h"

#include "controls/bevel.h"
#include "controls/button.h"
#include "controls/combo_box.h"
#include "controls/label.h"
#include "controls/numeric_edit.h"
#include "controls/panel.h"
#include "controls/slider.h"
#include "controls/spin_edit.h"
#include "controls/track_bar.h"
#include "main/panel/image.h"
#include "skin/compressed_stored_skin.h"
#include "skin/form/skin_form.h"
#include "skin/skin_data.h"
#include "skin/skin_frame.h"

namespace dsp {
namespace {

template <class T>
ComponentFactory::Creator Make() {
    return [](TComponent* owner) -> TComponent* { return new T(owner); };
}

ComponentFactory BuildPanelFactory() {
    ComponentFactory factory;
    factory.Register("TbsSkinButton", Make<TbsSkinButton>());
    factory.Register("TbsSkinComboBox", Make<TbsSkinComboBox>());
    factory.Register("TbsSkinNumericEdit", Make<TbsSkinNumericEdit>());
    factory.Register("TbsSkinSlider", Make<TbsSkinSlider>());
    factory.Register("TbsSkinSpinEdit", Make<TbsSkinSpinEdit>());
    factory.Register("TbsSkinTrackBar", Make<TbsSkinTrackBar>());
    factory.Register("TImage", Make<TImage>());
    factory.Register("TbsSkinGroupBox", Make<TbsSkinGroupBox>());
    factory.Register("TbsSkinPanel", Make<TbsSkinPanel>());
    factory.Register("TbsSkinStatusBar", Make<TbsSkinStatusBar>());
    factory.Register("TbsSkinStatusPanel", Make<TbsSkinStatusPanel>());
    factory.Register("TbsSkinStdLabel", Make<TbsSkinStdLabel>());
    factory.Register("TbsSkinBevel", Make<TbsSkinBevel>());
    // The skins: stored skins, the skin data objects that load them, and the
    // background painter.
    factory.Register("TbsCompressedStoredSkin", Make<TbsCompressedStoredSkin>());
    factory.Register("TbsSkinData", Make<TbsSkinData>());
    factory.Register("TbsSkinFrame", Make<TbsSkinFrame>());
    factory.Register("TbsSkinForm", Make<TbsSkinForm>());
    return factory;
}

}  // namespace

const ComponentFactory& ComponentFactory::Panel() {
    static const ComponentFactory factory = BuildPanelFactory();
    return factory;
}

void ComponentFactory::Register(std::string className, Creator creator) {
    creators_[std::move(className)] = std::move(creator);
}

bool ComponentFactory::Knows(std::string_view className) const { return creators_.contains(className); }

TComponent* ComponentFactory::Create(std::string_view className, TComponent* owner) const {
    const auto found = creators_.find(className);
    return found == creators_.end() ? nullptr : found->second(owner);
}

}  // namespace dsp
