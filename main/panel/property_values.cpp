#include "main/panel/property_values.h"

#include <algorithm>
#include <utility>

#include "main/layout/layout_error.h"

namespace dsp {
namespace {

// The colour names the stored layout uses.
constexpr std::pair<const char*, Color> kColorNames[] = {
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clBtnText", clBtnText},
    {"clWindow", clWindow},
    {"clWindowText", clWindowText},
    {"clBlack", clBlack},
    {"clWhite", clWhite},
    {"clRed", clRed},
    {"clGreen", clGreen},
    {"clBlue", clBlue},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clNavy", clNavy},
};

[[noreturn]] void Refuse(const LayoutProperty& property, const std::string& expected) {
    throw ELayoutError(property.line, property.name + " expects " + expected);
}

void Expect(const LayoutProperty& property, LayoutValueKind kind, const char* expected) {
    if (property.value.kind != kind) Refuse(property, expected);
}

}  // namespace

int IntValue(const LayoutProperty& property) {
    Expect(property, LayoutValueKind::Integer, "a number");
    return property.value.integer;
}

bool BoolValue(const LayoutProperty& property) { return EnumValue(property, {"False", "True"}) == 1; }

std::string StringValue(const LayoutProperty& property) {
    Expect(property, LayoutValueKind::String, "a quoted string");
    return property.value.text;
}

std::string IdentifierValue(const LayoutProperty& property) {
    Expect(property, LayoutValueKind::Identifier, "a name");
    return property.value.text;
}

std::vector<std::string> StringListValue(const LayoutProperty& property) {
    Expect(property, LayoutValueKind::List, "a list of strings");
    std::vector<std::string> strings;
    for (const LayoutValue& item : property.value.items) {
        if (item.kind != LayoutValueKind::String) Refuse(property, "a list of strings");
        strings.push_back(item.text);
    }
    return strings;
}

unsigned SetValue(const LayoutProperty& property, std::initializer_list<const char*> choices) {
    Expect(property, LayoutValueKind::List, "a set");
    unsigned bits = 0;
    for (const LayoutValue& item : property.value.items) {
        unsigned index = 0;
        const char* const* found =
            std::find_if(choices.begin(), choices.end(), [&](const char* c) { return item.text == c; });
        if (item.kind != LayoutValueKind::Identifier || found == choices.end())
            Refuse(property, "a set of " + std::string(*choices.begin()) + "..., not " + item.text);
        index = static_cast<unsigned>(found - choices.begin());
        bits |= 1u << index;
    }
    return bits;
}

Color ColorValue(const LayoutProperty& property) {
    if (property.value.kind == LayoutValueKind::Integer) return static_cast<Color>(property.value.integer);
    const std::string name = IdentifierValue(property);
    for (const auto& [colorName, color] : kColorNames)
        if (name == colorName) return color;
    Refuse(property, "a colour, not " + name);
}

int EnumValue(const LayoutProperty& property, std::initializer_list<const char*> choices) {
    const std::string name = IdentifierValue(property);
    int index = 0;
    for (const char* choice : choices) {
        if (name == choice) return index;
        ++index;
    }
    std::string list;
    for (const char* choice : choices) list += (list.empty() ? "" : ", ") + std::string(choice);
    Refuse(property, "one of " + list + ", not " + name);
}

}  // namespace dsp
