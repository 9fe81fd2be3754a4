// TForm1: the parameter handlers. Each one returns at once while the port is
// closed; otherwise it reads its control, builds the 4-byte frame, updates the
// read-out (before the write) and writes the frame. Write errors are not
// caught here: they reach the application's general error report.

#include <stdexcept>

#include "controls/model/rounding.h"
#include "main/panel/form1.h"
#include "main/protocol/command_table.h"
#include "main/protocol/frame.h"

namespace dsp {
namespace {

// The command code a control sends, from the one command table.
std::uint8_t CodeOf(const TComponent& control) {
    for (const CommandRow& command : CommandTable())
        for (std::string_view sender : command.senders)
            if (sender == control.Name()) return command.code;
    throw std::logic_error("no command code is sent by " + control.Name());
}

}  // namespace

void TForm1::Send(std::uint8_t code, int value) {
    const dsp::Frame frame = BuildFrame(code, value);
    // Only --reconnect lets a change go unsent, and its link line has said
    // so. Any other closed port goes on to the write, whose error reaches
    // the error report.
    if (link_.Away()) return;
    try {
        ComPort1.SendBytes(frame.data(), static_cast<int>(frame.size()));
    } catch (const std::exception& error) {
        if (!SendFailedForGood(error)) throw;
        return;
    }
    if (options_.frameSent) options_.frameSent(frame);
}

void TForm1::SliderChange(TbsSkinSlider& slider, std::uint8_t code, TbsSkinNumericEdit& readout) {
    if (!Online()) return;
    const int value = slider.Value();
    readout.SetValue(value);
    Send(code, value);
}

void TForm1::TrackBarChange(TbsSkinTrackBar& bar, std::uint8_t code, TbsSkinNumericEdit& readout, int shown) {
    if (!Online()) return;
    const int value = bar.Value();
    readout.SetValue(shown);
    Send(code, value);
}

// Setting the track bar back to the ceiling fires its change event again
// while this call runs; that nested call shows and sends the ceiling, and
// this one then sends the same frame a second time. The unit has always seen
// a clamped move as two identical frames, so both stay.
void TForm1::ClampedVolumeChange(TbsSkinTrackBar& bar, TbsSkinSpinEdit& ceiling, std::uint8_t code,
                                 TbsSkinNumericEdit& readout) {
    if (!Online()) return;
    int value = bar.Value();
    if (value > ceiling.Value()) {
        value = RoundHalfEven(ceiling.Value());
        bar.SetValue(value);
    }
    readout.SetValue(value);
    Send(code, value);
}

void TForm1::SpinChange(TbsSkinSpinEdit& spin, std::uint8_t code) {
    if (!Online()) return;
    Send(code, RoundHalfEven(spin.Value()));
}

void TForm1::ComboCloseUp(TbsSkinComboBox& combo, std::uint8_t code) {
    if (!Online()) return;
    Send(code, combo.ItemIndex());
}

// The clicked button is disabled to mark the choice; the others of its group
// are enabled. The two groups are independent.
void TForm1::SelectorClick(TbsSkinButton& button, std::uint8_t code, int value) {
    if (!Online()) return;
    const bool input = code == CodeOf(*bsSkinButton4);
    TbsSkinButton* inputGroup[] = {bsSkinButton4, bsSkinButton5, bsSkinButton6, bsSkinButton7, bsSkinButton8};
    TbsSkinButton* auxGroup[] = {bsSkinButton9, bsSkinButton10, bsSkinButton11};
    for (TbsSkinButton* member :
         input ? std::span<TbsSkinButton*>(inputGroup) : std::span<TbsSkinButton*>(auxGroup))
        member->SetEnabled(member != &button);
    Send(code, value);
}

void TForm1::bsSkinSlider1Change(TObject*) {
    SliderChange(*bsSkinSlider1, CodeOf(*bsSkinSlider1), *bsSkinNumericEdit7);
}
void TForm1::bsSkinSlider2Change(TObject*) {
    SliderChange(*bsSkinSlider2, CodeOf(*bsSkinSlider2), *bsSkinNumericEdit9);
}
void TForm1::bsSkinSlider3Change(TObject*) {
    SliderChange(*bsSkinSlider3, CodeOf(*bsSkinSlider3), *bsSkinNumericEdit10);
}
void TForm1::bsSkinSlider5Change(TObject*) {
    SliderChange(*bsSkinSlider5, CodeOf(*bsSkinSlider5), *bsSkinNumericEdit11);
}
void TForm1::bsSkinSlider6Change(TObject*) {
    SliderChange(*bsSkinSlider6, CodeOf(*bsSkinSlider6), *bsSkinNumericEdit12);
}

void TForm1::bsSkinTrackBar1Change(TObject*) {
    TrackBarChange(*bsSkinTrackBar1, CodeOf(*bsSkinTrackBar1), *bsSkinNumericEdit1, bsSkinTrackBar1->Value());
}
void TForm1::bsSkinTrackBar3Change(TObject*) {
    TrackBarChange(*bsSkinTrackBar3, CodeOf(*bsSkinTrackBar3), *bsSkinNumericEdit3, bsSkinTrackBar3->Value());
}
void TForm1::bsSkinTrackBar10Change(TObject*) {
    TrackBarChange(*bsSkinTrackBar10, CodeOf(*bsSkinTrackBar10), *bsSkinNumericEdit13,
                   bsSkinTrackBar10->Value());
}
// The tone read-outs show the value around the neutral position 10.
void TForm1::bsSkinTrackBar4Change(TObject*) {
    TrackBarChange(*bsSkinTrackBar4, CodeOf(*bsSkinTrackBar4), *bsSkinNumericEdit4,
                   bsSkinTrackBar4->Value() - 10);
}
void TForm1::bsSkinTrackBar5Change(TObject*) {
    TrackBarChange(*bsSkinTrackBar5, CodeOf(*bsSkinTrackBar5), *bsSkinNumericEdit5,
                   bsSkinTrackBar5->Value() - 10);
}
void TForm1::bsSkinTrackBar6Change(TObject*) {
    TrackBarChange(*bsSkinTrackBar6, CodeOf(*bsSkinTrackBar6), *bsSkinNumericEdit6,
                   bsSkinTrackBar6->Value() - 10);
}
void TForm1::bsSkinTrackBar7Change(TObject*) {
    TrackBarChange(*bsSkinTrackBar7, CodeOf(*bsSkinTrackBar7), *bsSkinNumericEdit14,
                   bsSkinTrackBar7->Value() - 10);
}
void TForm1::bsSkinTrackBar8Change(TObject*) {
    TrackBarChange(*bsSkinTrackBar8, CodeOf(*bsSkinTrackBar8), *bsSkinNumericEdit15,
                   bsSkinTrackBar8->Value() - 10);
}
void TForm1::bsSkinTrackBar9Change(TObject*) {
    TrackBarChange(*bsSkinTrackBar9, CodeOf(*bsSkinTrackBar9), *bsSkinNumericEdit16,
                   bsSkinTrackBar9->Value() - 10);
}
void TForm1::bsSkinTrackBar12Change(TObject*) {
    ClampedVolumeChange(*bsSkinTrackBar12, *bsSkinSpinEdit3, CodeOf(*bsSkinTrackBar12), *bsSkinNumericEdit18);
}
void TForm1::bsSkinTrackBar2Change(TObject*) {
    ClampedVolumeChange(*bsSkinTrackBar2, *bsSkinSpinEdit4, CodeOf(*bsSkinTrackBar2), *bsSkinNumericEdit2);
}

void TForm1::bsSkinComboBox3CloseUp(TObject*) { ComboCloseUp(*bsSkinComboBox3, CodeOf(*bsSkinComboBox3)); }
void TForm1::bsSkinComboBox5CloseUp(TObject*) { ComboCloseUp(*bsSkinComboBox5, CodeOf(*bsSkinComboBox5)); }
void TForm1::bsSkinComboBox6CloseUp(TObject*) { ComboCloseUp(*bsSkinComboBox6, CodeOf(*bsSkinComboBox6)); }
void TForm1::bsSkinComboBox7CloseUp(TObject*) { ComboCloseUp(*bsSkinComboBox7, CodeOf(*bsSkinComboBox7)); }

void TForm1::bsSkinSpinEdit3Change(TObject*) { SpinChange(*bsSkinSpinEdit3, CodeOf(*bsSkinSpinEdit3)); }
void TForm1::bsSkinSpinEdit4Change(TObject*) { SpinChange(*bsSkinSpinEdit4, CodeOf(*bsSkinSpinEdit4)); }
void TForm1::bsSkinSpinEdit5Change(TObject*) { SpinChange(*bsSkinSpinEdit5, CodeOf(*bsSkinSpinEdit5)); }

// "load" and "save" send the memory number of the spin edit beside them.
void TForm1::bsSkinButton2Click(TObject*) { SpinChange(*bsSkinSpinEdit1, CodeOf(*bsSkinSpinEdit1)); }
void TForm1::bsSkinButton3Click(TObject*) { SpinChange(*bsSkinSpinEdit2, CodeOf(*bsSkinSpinEdit2)); }

// Input buttons: "AUTO" sends 4 although it is the first on screen.
void TForm1::bsSkinButton5Click(TObject*) { SelectorClick(*bsSkinButton5, CodeOf(*bsSkinButton5), 0); }
void TForm1::bsSkinButton6Click(TObject*) { SelectorClick(*bsSkinButton6, CodeOf(*bsSkinButton6), 1); }
void TForm1::bsSkinButton7Click(TObject*) { SelectorClick(*bsSkinButton7, CodeOf(*bsSkinButton7), 2); }
void TForm1::bsSkinButton8Click(TObject*) { SelectorClick(*bsSkinButton8, CodeOf(*bsSkinButton8), 3); }
void TForm1::bsSkinButton4Click(TObject*) { SelectorClick(*bsSkinButton4, CodeOf(*bsSkinButton4), 4); }
void TForm1::bsSkinButton9Click(TObject*) { SelectorClick(*bsSkinButton9, CodeOf(*bsSkinButton9), 0); }
void TForm1::bsSkinButton10Click(TObject*) { SelectorClick(*bsSkinButton10, CodeOf(*bsSkinButton10), 1); }
void TForm1::bsSkinButton11Click(TObject*) { SelectorClick(*bsSkinButton11, CodeOf(*bsSkinButton11), 2); }

}  // namespace dsp
