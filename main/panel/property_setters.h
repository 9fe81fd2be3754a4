#pragma once
// Applies one stored property to a control. The table of properties lives in
// property_setters.cpp; each entry knows the classes that have it.

#include "main/layout/layout_tree.h"
#include "main/panel/layout_host.h"

namespace dsp {

// False when the component's class has no such property (the loader lists
// those); throws ELayoutError for a value the property cannot take.
bool ApplyLayoutProperty(TComponent& component, const LayoutProperty& property, LayoutHost& host);

}  // namespace dsp
