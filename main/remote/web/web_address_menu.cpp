#include "main/remote/web/web_address_menu.h"

#include <array>
#include <string_view>

#include "main/panel/caption_table.h"
#include "main/panel/form1.h"
#include "main/panel/system_menu_entry.h"
#include "main/remote/web/web_address_dialog.h"
#include "skin/form/skin_form.h"

namespace dsp {
namespace {

enum TextId { kMenuItem, kPrompt, kClose, kTextCount };

// English, Chinese.
constexpr std::array<std::array<std::string_view, 2>, kTextCount> kTexts = {{
    {"&Web remote...", "网页遥控(&W)..."},
    {"Scan the code with a phone, or open this address:", "用手机扫描二维码，或打开此地址："},
    {"Close", "关闭"},
}};

std::string Text(const TForm1& form, TextId id) {
    return std::string(
        kTexts[static_cast<std::size_t>(id)][IsChinese(form.bsSkinComboBox8->ItemIndex()) ? 1 : 0]);
}

}  // namespace

WebAddressMenu::WebAddressMenu(TForm1& form, std::string address)
    : form_(form), dialog_(std::make_unique<WebAddressDialog>(form, std::move(address))) {
    auto* frame = dynamic_cast<TbsSkinForm*>(form.FindComponent("bsSkinForm1"));
    if (!frame) return;
    entry_ = std::make_unique<SystemMenuEntry>(*frame, [this](TbsSkinPopupMenu&) {
        return TbsMenuItem{"DSP_WEB_ADDRESS", Text(form_, kMenuItem), "", true, [this] { OpenDialog(); }};
    });
}

WebAddressMenu::~WebAddressMenu() = default;

void WebAddressMenu::OpenDialog() { dialog_->Open({Text(form_, kPrompt), Text(form_, kClose)}); }

}  // namespace dsp
