#pragma once
// "Web remote..." in the window's system menu, while the web remote serves:
// it opens the dialog with the page's address and its QR code, in the
// window's language.

#include <memory>
#include <string>

namespace dsp {

class SystemMenuEntry;
class TForm1;
class WebAddressDialog;

class WebAddressMenu {
  public:
    // `address` is the page's address with the token that may change the
    // panel.
    WebAddressMenu(TForm1& form, std::string address);
    ~WebAddressMenu();
    WebAddressMenu(const WebAddressMenu&) = delete;
    WebAddressMenu& operator=(const WebAddressMenu&) = delete;

    WebAddressDialog& Dialog() const { return *dialog_; }
    void OpenDialog();

  private:
    TForm1& form_;
    std::unique_ptr<WebAddressDialog> dialog_;
    std::unique_ptr<SystemMenuEntry> entry_;
};

}  // namespace dsp
