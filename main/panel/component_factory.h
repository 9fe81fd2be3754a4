#pragma once
// Class name -> creator of a component owned by the window: how the stored
// layout's "object Name: Class" lines become controls.

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/framework/component.h"

namespace dsp {

class ComponentFactory {
  public:
    using Creator = std::function<TComponent*(TComponent* owner)>;

    // Every component class the window's layout uses: the controls and the
    // skins.
    static const ComponentFactory& Panel();

    void Register(std::string className, Creator creator);
    bool Knows(std::string_view className) const;
    // nullptr for an unknown class.
    TComponent* Create(std::string_view className, TComponent* owner) const;

  private:
    std::map<std::string, Creator, std::less<>> creators_;
};

}  // namespace dsp
