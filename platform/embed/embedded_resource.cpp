#include "platform/embed/embedded_resource.h"

namespace dsp {

const EmbeddedResource* ResourceTable::Find(std::string_view name) const {
    for (const EmbeddedResource& resource : resources_)
        if (resource.name == name) return &resource;
    return nullptr;
}

}  // namespace dsp
