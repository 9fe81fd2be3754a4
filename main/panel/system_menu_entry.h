#pragma once
// An entry the program adds to the window's skinned system menu. The frame
// builds that menu afresh each time it opens, so the entry goes in then, just
// above the separator before "Close"; entries chain, each running the
// handler it found first. The entry leaves the menu with this object, which
// must go before any entry made after it.

#include <functional>

#include "platform/framework/component.h"
#include "skin/form/skin_popup_menu.h"

namespace dsp {

class TbsSkinForm;

class SystemMenuEntry {
  public:
    // `make` gives the item for the menu about to open.
    using Make = std::function<TbsMenuItem(TbsSkinPopupMenu& menu)>;

    SystemMenuEntry(TbsSkinForm& frame, Make make);
    ~SystemMenuEntry();
    SystemMenuEntry(const SystemMenuEntry&) = delete;
    SystemMenuEntry& operator=(const SystemMenuEntry&) = delete;

  private:
    TbsSkinForm& frame_;
    Make make_;
    TNotifyEvent before_;  // the handler found on the frame
};

}  // namespace dsp
