#pragma once
// The small dialog that hands the web remote's address to a phone: a skinned
// panel over the middle of the window, drawn from the window's own skin, with
// a line that says what to do, the address as a QR code and as text, and a
// Close button. Escape or Close hides it; it opens again as it was. Its
// controls belong to the window and carry names ("WebAddress...") so the
// headless driver's dump lists them.

#include <string>

#include "platform/graphics/bitmap.h"

namespace dsp {

class TForm1;
class TImage;
class TbsSkinButton;
class TbsSkinPanel;
class TbsSkinStdLabel;

class WebAddressDialog {
  public:
    struct Texts {
        std::string prompt;
        std::string close;
    };

    // Nothing shows until Open.
    WebAddressDialog(TForm1& form, std::string address);
    WebAddressDialog(const WebAddressDialog&) = delete;
    WebAddressDialog& operator=(const WebAddressDialog&) = delete;

    // Shows the dialog with `texts` (the window's language now) and gives
    // its button the focus.
    void Open(const Texts& texts);
    void Close();
    bool IsOpen() const;
    const Bitmap& Code() const { return code_; }

  private:
    void Build();

    TForm1& form_;
    std::string address_;
    Bitmap code_;  // empty when the address cannot be encoded
    TbsSkinPanel* panel_ = nullptr;
    TbsSkinStdLabel* prompt_ = nullptr;
    TbsSkinButton* close_ = nullptr;
};

}  // namespace dsp
