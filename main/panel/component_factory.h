#pragma once
// The component classes the window's layout may name, each with its
// descriptor (ControlClass): how the stored layout's "object Name: Class"
// lines become components, which properties and events each class has, and
// how `dump` shows its value.

#include <map>
#include <string>
#include <string_view>

#include "main/panel/control_class.h"

namespace dsp {

class TControl;

// A text in double quotes, with quotes and backslashes escaped: how `dump`
// shows captions and texts.
std::string QuotedText(const std::string& text);

class ComponentFactory {
  public:
    // Every component class the window's layout uses: the controls and the
    // skins.
    static const ComponentFactory& Panel();

    // nullptr for an unknown class.
    const ControlClass* Find(std::string_view className) const;
    // The window itself, whatever its layout calls it: the program creates
    // it, the layout only gives it values and events.
    const ControlClass& Root() const { return root_; }
    bool Knows(std::string_view className) const { return Find(className) != nullptr; }
    // nullptr for an unknown class.
    TComponent* Create(std::string_view className, TComponent* owner) const;

    // The value part of a control's `dump` line, as its class reads it;
    // the caption for a class without a value.
    std::string ValueText(const TControl& control) const;

  private:
    template <class C>
    void Register(std::string name);

    std::map<std::string, ControlClass, std::less<>> classes_;
    ControlClass root_;
};

}  // namespace dsp
