#include "main/layout/layout_tree.h"

namespace dsp {

const LayoutProperty* LayoutObject::FindProperty(const std::string& propertyName) const {
    for (const LayoutProperty& property : properties)
        if (property.name == propertyName) return &property;
    return nullptr;
}

const LayoutObject* LayoutObject::FindObject(const std::string& objectName) const {
    for (const LayoutObject* object : FlattenLayout(*this))
        if (object->name == objectName) return object;
    return nullptr;
}

std::vector<const LayoutObject*> FlattenLayout(const LayoutObject& root) {
    // Iterative, so the order is the reading order without recursion.
    std::vector<const LayoutObject*> order;
    std::vector<const LayoutObject*> pending{&root};
    while (!pending.empty()) {
        const LayoutObject* object = pending.back();
        pending.pop_back();
        order.push_back(object);
        for (auto child = object->children.rbegin(); child != object->children.rend(); ++child)
            pending.push_back(&*child);
    }
    return order;
}

}  // namespace dsp
