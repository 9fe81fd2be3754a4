#include "main/panel/component_factory.h"

#include <sstream>

#include "main/panel/property_setters.h"

namespace dsp {
namespace {

template <class C>
void AddEvents(ClassMembers<C>& m) {
    m.template Event<TControl>("OnClick", &TControl::OnClick);
    // OnChange is declared by each control class on its own.
    m.template Event<TbsSkinTrackBar>("OnChange", &TbsSkinTrackBar::OnChange);
    m.template Event<TbsSkinSlider>("OnChange", &TbsSkinSlider::OnChange);
    m.template Event<TbsSkinSpinEdit>("OnChange", &TbsSkinSpinEdit::OnChange);
    m.template Event<TbsSkinComboBox>("OnChange", &TbsSkinComboBox::OnChange);
    m.template Event<TbsSkinComboBox>("OnCloseUp", &TbsSkinComboBox::OnCloseUp);
    m.template Event<TForm>("OnActivate", &TForm::OnActivate);
}

template <class T>
std::string NumberText(const T& control) {
    std::ostringstream value;
    value << "value=" << control.Value();
    return value.str();
}

// The value part of a dump line; a class with none of these shows its caption.
template <class C>
void AddValue(ClassMembers<C>& m) {
    m.template Value<TbsSkinTrackBar>([](const TbsSkinTrackBar& c) { return NumberText(c); });
    m.template Value<TbsSkinSlider>([](const TbsSkinSlider& c) { return NumberText(c); });
    m.template Value<TbsSkinSpinEdit>([](const TbsSkinSpinEdit& c) { return NumberText(c); });
    m.template Value<TbsSkinComboBox>([](const TbsSkinComboBox& c) {
        return "index=" + std::to_string(c.ItemIndex()) + " text=" + QuotedText(c.Text());
    });
    m.template Value<TbsSkinNumericEdit>([](const TbsSkinNumericEdit& c) {
        return "text=" + QuotedText(static_cast<const TControl&>(c).Text());
    });
    m.template Value<TControl>([](const TControl& c) { return "caption=" + QuotedText(c.Caption()); });
}

template <class C>
ControlClass Describe(std::string name) {
    ControlClass described;
    described.name = std::move(name);
    ClassMembers<C> members(described);
    layout_properties::AddLayoutProperties(members);
    AddEvents(members);
    AddValue(members);
    return described;
}

}  // namespace

std::string QuotedText(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) quoted += (c == '"' || c == '\\') ? std::string("\\") + c : std::string(1, c);
    return quoted + "\"";
}

template <class C>
void ComponentFactory::Register(std::string name) {
    ControlClass described = Describe<C>(name);
    described.create = [](TComponent* owner) -> TComponent* { return new C(owner); };
    classes_.insert_or_assign(std::move(name), std::move(described));
}

const ComponentFactory& ComponentFactory::Panel() {
    static const ComponentFactory factory = [] {
        ComponentFactory built;
        built.root_ = Describe<TForm>("TForm");
        built.Register<TbsSkinButton>("TbsSkinButton");
        built.Register<TbsSkinComboBox>("TbsSkinComboBox");
        built.Register<TbsSkinNumericEdit>("TbsSkinNumericEdit");
        built.Register<TbsSkinSlider>("TbsSkinSlider");
        built.Register<TbsSkinSpinEdit>("TbsSkinSpinEdit");
        built.Register<TbsSkinTrackBar>("TbsSkinTrackBar");
        built.Register<TImage>("TImage");
        built.Register<TbsSkinGroupBox>("TbsSkinGroupBox");
        built.Register<TbsSkinPanel>("TbsSkinPanel");
        built.Register<TbsSkinStatusBar>("TbsSkinStatusBar");
        built.Register<TbsSkinStatusPanel>("TbsSkinStatusPanel");
        built.Register<TbsSkinStdLabel>("TbsSkinStdLabel");
        built.Register<TbsSkinBevel>("TbsSkinBevel");
        // The skins: stored skins, the skin data objects that load them, and
        // the background painter.
        built.Register<TbsCompressedStoredSkin>("TbsCompressedStoredSkin");
        built.Register<TbsSkinData>("TbsSkinData");
        built.Register<TbsSkinFrame>("TbsSkinFrame");
        built.Register<TbsSkinForm>("TbsSkinForm");
        return built;
    }();
    return factory;
}

const ControlClass* ComponentFactory::Find(std::string_view className) const {
    const auto found = classes_.find(className);
    return found == classes_.end() ? nullptr : &found->second;
}

std::string ComponentFactory::ValueText(const TControl& control) const {
    const ControlClass* described = Find(control.ClassName());
    return described && described->value ? described->value(control)
                                         : "caption=" + QuotedText(control.Caption());
}

TComponent* ComponentFactory::Create(std::string_view className, TComponent* owner) const {
    const ControlClass* described = Find(className);
    return described ? described->create(owner) : nullptr;
}

}  // namespace dsp
