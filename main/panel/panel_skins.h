#pragma once
// The window's three skin data objects and their stored skins. Kept behind
// this small interface so the window's other sources need not see the skin
// layer's headers.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "main/layout/layout_tree.h"
#include "platform/embed/embedded_resource.h"

namespace dsp {

class TbsSkinData;

class PanelSkins {
  public:
    PanelSkins();
    ~PanelSkins();

    // bsSkinData1..3 by name; nullptr for another name.
    TbsSkinData* DataByName(std::string_view name);
    // Loads a TbsCompressedStoredSkin or TbsSkinData object of the layout;
    // false for other classes. Stored properties that cannot be applied yet
    // (a skin that is not embedded) are added to `unapplied`.
    bool Load(const LayoutObject& object, const ResourceTable& resources,
              std::vector<std::string>& unapplied);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace dsp
