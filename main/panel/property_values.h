#pragma once
// Typed reading of stored property values. A value of the wrong kind, or a
// name the property does not know, is refused with the property's line.

#include <string>
#include <vector>

#include "main/layout/layout_tree.h"
#include "platform/graphics/color.h"

namespace dsp {

int IntValue(const LayoutProperty& property);
bool BoolValue(const LayoutProperty& property);
std::string StringValue(const LayoutProperty& property);
std::string IdentifierValue(const LayoutProperty& property);
std::vector<std::string> StringListValue(const LayoutProperty& property);
// A colour name (clBtnFace, clBlack, ...) or a number 0x00BBGGRR.
Color ColorValue(const LayoutProperty& property);
// The identifier, which must be one of `choices`; its index.
int EnumValue(const LayoutProperty& property, std::initializer_list<const char*> choices);
// A set of identifiers, each one of `choices`: bit i for choice i.
unsigned SetValue(const LayoutProperty& property, std::initializer_list<const char*> choices);

}  // namespace dsp
