#pragma once
// What the layout loader needs from the window it builds: the objects that
// are not controls (serial port, skins), references by name, embedded
// resources and the window's handlers by name.

#include <string_view>

#include "main/layout/layout_tree.h"
#include "platform/embed/embedded_resource.h"
#include "platform/framework/component.h"

namespace dsp {

class TForm;
class TbsSkinData;

class LayoutHost {
  public:
    virtual ~LayoutHost() = default;
    virtual TForm& RootForm() = 0;
    // Objects of classes that are not components; false when the class is
    // not one of them.
    virtual bool LoadNonVisual(const LayoutObject& object) = 0;
    virtual TbsSkinData* SkinDataByName(std::string_view name) = 0;
    virtual const EmbeddedResource* Resource(std::string_view name) = 0;
    // The window's handler of that name, empty when it has none.
    virtual TNotifyEvent Handler(std::string_view name) = 0;
};

}  // namespace dsp
