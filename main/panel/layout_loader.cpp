#include "main/panel/layout_loader.h"

#include <set>

#include "controls/combo_box.h"
#include "controls/slider.h"
#include "controls/spin_edit.h"
#include "controls/track_bar.h"
#include "main/layout/layout_error.h"
#include "main/panel/property_setters.h"
#include "platform/framework/form.h"

namespace dsp {
namespace {

bool IsEvent(const LayoutProperty& property) { return property.name.starts_with("On"); }

// OnChange is declared by each control class on its own.
bool AttachChange(TComponent& c, const TNotifyEvent& handler) {
    if (auto* bar = dynamic_cast<TbsSkinTrackBar*>(&c)) return bar->OnChange = handler, true;
    if (auto* slider = dynamic_cast<TbsSkinSlider*>(&c)) return slider->OnChange = handler, true;
    if (auto* spin = dynamic_cast<TbsSkinSpinEdit*>(&c)) return spin->OnChange = handler, true;
    if (auto* combo = dynamic_cast<TbsSkinComboBox*>(&c)) return combo->OnChange = handler, true;
    return false;
}

bool AttachEvent(TComponent& c, const std::string& event, const TNotifyEvent& handler) {
    if (event == "OnChange") return AttachChange(c, handler);
    if (event == "OnClick") {
        auto* control = dynamic_cast<TControl*>(&c);
        return control && (control->OnClick = handler, true);
    }
    if (event == "OnCloseUp") {
        auto* combo = dynamic_cast<TbsSkinComboBox*>(&c);
        return combo && (combo->OnCloseUp = handler, true);
    }
    if (event == "OnActivate") {
        auto* form = dynamic_cast<TForm*>(&c);
        return form && (form->OnActivate = handler, true);
    }
    return false;
}

class Loader {
  public:
    Loader(LayoutHost& host, const ComponentFactory& factory) : host_(host), factory_(factory) {}

    LayoutLoadReport Load(const LayoutObject& root) {
        CollectNames(root);
        TForm& form = host_.RootForm();
        form.SetName(root.name);
        form.BeginLoading();
        ApplyValues(form, root);
        for (const LayoutObject& child : root.children) CreateTree(child, form);
        ApplyReferences();
        form.EndLoading();
        AttachEvents(form, root);
        return std::move(report_);
    }

  private:
    void CreateTree(const LayoutObject& object, TWinControl& parent) {
        TComponent* component = factory_.Create(object.className, &host_.RootForm());
        if (!component) {
            if (!host_.LoadNonVisual(object))
                throw ELayoutError(object.line, "unknown class " + object.className);
            if (!object.children.empty())
                throw ELayoutError(object.line, object.name + " cannot hold controls");
            return;
        }
        component->SetName(object.name);
        auto* control = dynamic_cast<TControl*>(component);
        if (control) control->SetParent(&parent);
        ++report_.components;
        ApplyValues(*component, object);
        auto* container = dynamic_cast<TWinControl*>(component);
        if (!object.children.empty() && !container)
            throw ELayoutError(object.line, object.name + " cannot hold controls");
        for (const LayoutObject& child : object.children) CreateTree(child, *container);
    }

    void CollectNames(const LayoutObject& object) {
        names_.insert(object.name);
        for (const LayoutObject& child : object.children) CollectNames(child);
    }

    // A value naming another object of the layout.
    bool IsReference(const LayoutProperty& property) const {
        return property.value.kind == LayoutValueKind::Identifier && names_.contains(property.value.text);
    }

    // References are applied once every object exists and holds its plain
    // values, in layout order, still while loading: a control gets its skin
    // data after its section name and bounds, and an object may name one
    // further down.
    void ApplyReferences() {
        for (const Reference& reference : references_) {
            if (!ApplyLayoutProperty(*reference.component, *reference.property, host_))
                report_.unapplied.push_back(reference.component->Name() + "." + reference.property->name);
        }
    }

    void ApplyValues(TComponent& component, const LayoutObject& object) {
        const LayoutProperty* align = nullptr;
        for (const LayoutProperty& property : object.properties) {
            if (IsEvent(property)) continue;
            if (IsReference(property)) {
                references_.push_back({&component, &property});
                continue;
            }
            if (property.name == "Align") {
                align = &property;
                continue;
            }
            if (!ApplyLayoutProperty(component, property, host_))
                report_.unapplied.push_back(object.name + "." + property.name);
        }
        if (align) ApplyAlign(component, *align);
    }

    // The only alignments the window uses: its status bar sits on the bottom
    // edge at full width; its panels line up from the left at their stored
    // bounds.
    void ApplyAlign(TComponent& component, const LayoutProperty& align) {
        const std::string how = align.value.text;
        auto* control = dynamic_cast<TControl*>(&component);
        if (!control || align.value.kind != LayoutValueKind::Identifier ||
            (how != "alBottom" && how != "alLeft"))
            throw ELayoutError(align.line, "Align expects alBottom or alLeft");
        if (how == "alBottom" && control->Parent()) {
            const Rect client = control->Parent()->ClientRect();
            control->SetBounds(0, client.Height() - control->Height(), client.Width(), control->Height());
        }
    }

    void AttachEvents(TComponent& component, const LayoutObject& object) {
        for (const LayoutProperty& property : object.properties) {
            if (!IsEvent(property)) continue;
            if (property.value.kind != LayoutValueKind::Identifier)
                throw ELayoutError(property.line, property.name + " expects a handler name");
            TNotifyEvent handler = host_.Handler(property.value.text);
            if (!handler)
                throw ELayoutError(property.line, "the window has no handler " + property.value.text);
            if (!AttachEvent(component, property.name, handler))
                throw ELayoutError(property.line, object.className + " has no event " + property.name);
            ++report_.events;
        }
        for (const LayoutObject& child : object.children)
            if (TComponent* owned = host_.RootForm().FindComponent(child.name)) AttachEvents(*owned, child);
    }

    struct Reference {
        TComponent* component;
        const LayoutProperty* property;
    };

    LayoutHost& host_;
    const ComponentFactory& factory_;
    LayoutLoadReport report_;
    std::set<std::string, std::less<>> names_;
    std::vector<Reference> references_;
};

}  // namespace

LayoutLoadReport LoadLayout(const LayoutObject& root, LayoutHost& host, const ComponentFactory& factory) {
    return Loader(host, factory).Load(root);
}

}  // namespace dsp
