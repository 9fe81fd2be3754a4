#pragma once
// The stored layout as read from its text: an ordered tree of objects, each
// with its class, its name, its properties in the order they were written and
// its children in layout order. Nothing here knows any control class; the
// window turns the tree into components.

#include <string>
#include <vector>

namespace dsp {

enum class LayoutValueKind {
    String,      // "text" (UTF-8, escapes resolved)
    Integer,     // -11
    Identifier,  // True, clBtnFace, bsSkinData1 (a name to resolve later)
    Resource,    // @banner: a resource embedded with the layout
    List,        // ("COM1", "COM2") or (biSystemMenu, biMinimize); items are never lists
};

struct LayoutValue {
    LayoutValueKind kind = LayoutValueKind::Identifier;
    std::string text;  // string contents, identifier or resource name
    int integer = 0;
    std::vector<LayoutValue> items;

    bool IsIdentifier(const char* identifier) const {
        return kind == LayoutValueKind::Identifier && text == identifier;
    }
};

struct LayoutProperty {
    std::string name;  // may be dotted: "Font.Height"
    LayoutValue value;
    int line = 0;
};

struct LayoutObject {
    std::string className;
    std::string name;
    int line = 0;
    std::vector<LayoutProperty> properties;
    std::vector<LayoutObject> children;

    const LayoutProperty* FindProperty(const std::string& propertyName) const;
    // This object or any object below it, depth first in layout order.
    const LayoutObject* FindObject(const std::string& objectName) const;
};

// Every object of the tree, parents before children, in layout order.
std::vector<const LayoutObject*> FlattenLayout(const LayoutObject& root);

}  // namespace dsp
