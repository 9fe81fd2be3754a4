#pragma once
// Builds a window from its stored layout: creates every component in layout
// order, gives each its values, and only when the whole tree holds its values
// attaches the events, so no handler runs while the layout is read.

#include <string>
#include <vector>

#include "main/layout/layout_tree.h"
#include "main/panel/component_factory.h"
#include "main/panel/layout_host.h"

namespace dsp {

struct LayoutLoadReport {
    // "Object.Property" for stored properties the object's class does not
    // have (yet); they are kept in the layout for the controls to come.
    std::vector<std::string> unapplied;
    int components = 0;  // controls created
    int events = 0;      // handlers attached
};

// Throws ELayoutError (with the line) for an unknown class, a bad value, an
// unknown handler or an event the class does not have.
LayoutLoadReport LoadLayout(const LayoutObject& root, LayoutHost& host, const ComponentFactory& factory);

}  // namespace dsp
