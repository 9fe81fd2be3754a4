#include "main/panel/layout_loader.h"

#include <set>

#include "main/layout/layout_error.h"
#include "platform/framework/form.h"

namespace dsp {
namespace {

bool IsEvent(const LayoutProperty& property) { return property.name.starts_with("On"); }

class Loader {
  public:
    Loader(LayoutHost& host, const ComponentFactory& factory) : host_(host), factory_(factory) {}

    LayoutLoadReport Load(const LayoutObject& root) {
        CollectNames(root);
        TForm& form = host_.RootForm();
        form.SetName(root.name);
        form.BeginLoading();
        ApplyValues(form, root, factory_.Root());
        for (const LayoutObject& child : root.children) CreateTree(child, form);
        ApplyReferences();
        form.EndLoading();
        AttachEvents(form, root, factory_.Root());
        return std::move(report_);
    }

  private:
    void CreateTree(const LayoutObject& object, TWinControl& parent) {
        const ControlClass* described = factory_.Find(object.className);
        if (!described) {
            if (!host_.LoadNonVisual(object))
                throw ELayoutError(object.line, "unknown class " + object.className);
            if (!object.children.empty())
                throw ELayoutError(object.line, object.name + " cannot hold controls");
            return;
        }
        TComponent* component = described->create(&host_.RootForm());
        component->SetName(object.name);
        auto* control = dynamic_cast<TControl*>(component);
        if (control) control->SetParent(&parent);
        ++report_.components;
        ApplyValues(*component, object, *described);
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
        for (const Reference& reference : references_)
            Apply(*reference.component, *reference.property, *reference.described);
    }

    // A property the class does not have (yet) is listed, not refused: the
    // layout keeps it for the controls to come.
    void Apply(TComponent& component, const LayoutProperty& property, const ControlClass& described) {
        const auto setter = described.properties.find(property.name);
        if (setter == described.properties.end())
            report_.unapplied.push_back(component.Name() + "." + property.name);
        else
            setter->second(component, property, host_);
    }

    void ApplyValues(TComponent& component, const LayoutObject& object, const ControlClass& described) {
        const LayoutProperty* align = nullptr;
        for (const LayoutProperty& property : object.properties) {
            if (IsEvent(property)) continue;
            if (IsReference(property)) {
                references_.push_back({&component, &property, &described});
                continue;
            }
            if (property.name == "Align") {
                align = &property;
                continue;
            }
            Apply(component, property, described);
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

    void AttachEvents(TComponent& component, const LayoutObject& object, const ControlClass& described) {
        for (const LayoutProperty& property : object.properties) {
            if (!IsEvent(property)) continue;
            if (property.value.kind != LayoutValueKind::Identifier)
                throw ELayoutError(property.line, property.name + " expects a handler name");
            TNotifyEvent handler = host_.Handler(property.value.text);
            if (!handler)
                throw ELayoutError(property.line, "the window has no handler " + property.value.text);
            const auto slot = described.events.find(property.name);
            if (slot == described.events.end())
                throw ELayoutError(property.line, object.className + " has no event " + property.name);
            slot->second(component) = handler;
            ++report_.events;
        }
        for (const LayoutObject& child : object.children) {
            TComponent* owned = host_.RootForm().FindComponent(child.name);
            const ControlClass* childClass = factory_.Find(child.className);
            if (owned && childClass) AttachEvents(*owned, child, *childClass);
        }
    }

    struct Reference {
        TComponent* component;
        const LayoutProperty* property;
        const ControlClass* described;
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
