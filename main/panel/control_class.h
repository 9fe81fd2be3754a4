#pragma once
// One descriptor per component class the stored layout may name: how it is
// created, the properties the layout may give it, the events a handler may be
// attached to, and how the headless `dump` shows its value. ClassMembers<C>
// fills a descriptor from lists written once for every class: an entry
// declared for class T lands in C's descriptor when C is a T, so no code asks
// an object at run time which class it is.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>

#include "main/layout/layout_tree.h"
#include "platform/framework/component.h"

namespace dsp {

class LayoutHost;

struct ControlClass {
    using Creator = std::function<TComponent*(TComponent* owner)>;
    using Setter = std::function<void(TComponent&, const LayoutProperty&, LayoutHost&)>;
    using EventSlot = std::function<TNotifyEvent&(TComponent&)>;
    using ValueText = std::function<std::string(const TComponent&)>;

    std::string name;
    Creator create;  // null for the window itself, which the program creates
    std::map<std::string, Setter, std::less<>> properties;
    std::map<std::string, EventSlot, std::less<>> events;
    ValueText value;  // the value part of a dump line; null: the caption
};

// Adds the members of class C to its descriptor. Each call names the class T
// that declares the member; calls for classes C is not are left out, and of
// two calls for the same name the first one C has wins (a derived class's own
// setter is listed before its base's).
template <class C>
class ClassMembers {
  public:
    explicit ClassMembers(ControlClass& target) : target_(target) {}

    template <class T, class F>
    void Property(const std::string& name, F apply) {
        if constexpr (std::is_base_of_v<T, C>)
            target_.properties.try_emplace(name,
                                           [apply](TComponent& c, const LayoutProperty& p, LayoutHost& h) {
                                               apply(static_cast<T&>(static_cast<C&>(c)), p, h);
                                           });
    }

    template <class T>
    void Event(const std::string& name, TNotifyEvent T::*slot) {
        if constexpr (std::is_base_of_v<T, C>)
            target_.events.try_emplace(name, [slot](TComponent& c) -> TNotifyEvent& {
                return static_cast<T&>(static_cast<C&>(c)).*slot;
            });
    }

    template <class T, class F>
    void Value(F show) {
        if constexpr (std::is_base_of_v<T, C>)
            if (!target_.value)
                target_.value = [show](const TComponent& c) {
                    return show(static_cast<const T&>(static_cast<const C&>(c)));
                };
    }

  private:
    ControlClass& target_;
};

}  // namespace dsp
