#include "platform/framework/component.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace dsp {
namespace {

// Names are identifiers: ASCII letters fold, nothing else does.
constexpr char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Compared from the end: sibling names of one length mostly differ only in
// their numbers (bsSkinButton1, bsSkinButton2), so a lookup among two
// hundred components rejects each one at its last character.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = a.size(); i-- > 0;)
        if (a[i] != b[i] && FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

void Erase(std::vector<TComponent*>& list, TComponent* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

std::string TObject::ClassName() const {
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> plain(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                 std::free);
    std::string name = status == 0 && plain ? plain.get() : mangled;
    size_t colon = name.rfind("::");
    return colon == std::string::npos ? name : name.substr(colon + 2);
}

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& dest) const {
    throw EConvertError("Cannot assign a " + ClassName() + " to a " + dest.ClassName());
}

TComponent::TComponent(TComponent* owner) : owner_(nullptr) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    destroying_ = true;
    // Partners first: they may still use us while clearing their references.
    while (!freeNotifies_.empty()) {
        TComponent* partner = freeNotifies_.back();
        freeNotifies_.pop_back();
        Erase(partner->freeNotifies_, this);
        partner->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::SetName(std::string name) {
    if (name == name_) return;
    if (!name.empty() && owner_) {
        for (TComponent* c : owner_->components_)
            if (c != this && SameName(c->name_, name))
                throw EComponentError("A component named " + name + " already exists");
    }
    name_ = std::move(name);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameName(c->name_, name)) return c;
    return nullptr;
}

void TComponent::BeginLoading() {
    loading_ = true;
    for (TComponent* c : components_) c->BeginLoading();
}

void TComponent::EndLoading() {
    // Copy: an after-load step may create or free components.
    std::vector<TComponent*> owned = components_;
    for (TComponent* c : owned) {
        if (std::find(components_.begin(), components_.end(), c) == components_.end()) continue;
        if (c->loading_) c->EndLoading();
    }
    if (loading_) Loaded();
}

void TComponent::Loaded() { loading_ = false; }

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    Erase(freeNotifies_, component);
    Erase(component->freeNotifies_, this);
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        delete last;  // its destructor removes it from our list
        if (!components_.empty() && components_.back() == last) components_.pop_back();
    }
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation != TOperation::opRemove) return;
    // Copy: a handler may free components. Only once the list has changed is
    // each one looked for before it is told (looking always made a form's
    // teardown cubic in its number of components).
    std::vector<TComponent*> owned = components_;
    const unsigned listVersion = listVersion_;
    for (TComponent* c : owned) {
        if (c == component) continue;
        if (listVersion_ != listVersion &&
            std::find(components_.begin(), components_.end(), c) == components_.end())
            continue;
        c->Notification(component, operation);
    }
}

void TComponent::InsertComponent(TComponent* component) {
    component->owner_ = this;
    components_.push_back(component);
    ++listVersion_;
    if (loading_) component->loading_ = true;
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    Erase(components_, component);
    ++listVersion_;
    component->owner_ = nullptr;
    Notification(component, TOperation::opRemove);
}

}  // namespace dsp
