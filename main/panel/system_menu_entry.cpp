#include "main/panel/system_menu_entry.h"

#include <algorithm>

#include "skin/form/skin_form.h"

namespace dsp {

SystemMenuEntry::SystemMenuEntry(TbsSkinForm& frame, Make make)
    : frame_(frame), make_(std::move(make)), before_(frame.OnSkinMenuOpen) {
    frame_.OnSkinMenuOpen = [this](TObject* sender) {
        if (before_) before_(sender);
        TbsSkinPopupMenu* menu = frame_.SystemMenu();
        if (!menu) return;
        auto& items = menu->Items();
        const auto at =
            std::find_if(items.begin(), items.end(), [](const TbsMenuItem& i) { return i.IsSeparator(); });
        items.insert(at, make_(*menu));
    };
}

SystemMenuEntry::~SystemMenuEntry() { frame_.OnSkinMenuOpen = before_; }

}  // namespace dsp
