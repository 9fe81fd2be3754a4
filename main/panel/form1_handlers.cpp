// TForm1: the parameter handlers. Each forwards to the parameter table, which
// runs the one road every parameter takes (ParamTable::Changed): nothing more
// while the port is closed; otherwise read the control, apply its ceiling,
// show the read-out, mark a selector choice, write the frame. Write errors are
// not caught here: they reach the application's general error report.

#include "main/panel/form1.h"
#include "main/protocol/frame.h"

namespace dsp {

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

void TForm1::bsSkinSlider1Change(TObject*) { params_.Changed(*bsSkinSlider1); }
void TForm1::bsSkinSlider2Change(TObject*) { params_.Changed(*bsSkinSlider2); }
void TForm1::bsSkinSlider3Change(TObject*) { params_.Changed(*bsSkinSlider3); }
void TForm1::bsSkinSlider5Change(TObject*) { params_.Changed(*bsSkinSlider5); }
void TForm1::bsSkinSlider6Change(TObject*) { params_.Changed(*bsSkinSlider6); }

void TForm1::bsSkinTrackBar1Change(TObject*) { params_.Changed(*bsSkinTrackBar1); }
void TForm1::bsSkinTrackBar2Change(TObject*) { params_.Changed(*bsSkinTrackBar2); }
void TForm1::bsSkinTrackBar3Change(TObject*) { params_.Changed(*bsSkinTrackBar3); }
void TForm1::bsSkinTrackBar4Change(TObject*) { params_.Changed(*bsSkinTrackBar4); }
void TForm1::bsSkinTrackBar5Change(TObject*) { params_.Changed(*bsSkinTrackBar5); }
void TForm1::bsSkinTrackBar6Change(TObject*) { params_.Changed(*bsSkinTrackBar6); }
void TForm1::bsSkinTrackBar7Change(TObject*) { params_.Changed(*bsSkinTrackBar7); }
void TForm1::bsSkinTrackBar8Change(TObject*) { params_.Changed(*bsSkinTrackBar8); }
void TForm1::bsSkinTrackBar9Change(TObject*) { params_.Changed(*bsSkinTrackBar9); }
void TForm1::bsSkinTrackBar10Change(TObject*) { params_.Changed(*bsSkinTrackBar10); }
void TForm1::bsSkinTrackBar12Change(TObject*) { params_.Changed(*bsSkinTrackBar12); }

void TForm1::bsSkinComboBox3CloseUp(TObject*) { params_.Changed(*bsSkinComboBox3); }
void TForm1::bsSkinComboBox5CloseUp(TObject*) { params_.Changed(*bsSkinComboBox5); }
void TForm1::bsSkinComboBox6CloseUp(TObject*) { params_.Changed(*bsSkinComboBox6); }
void TForm1::bsSkinComboBox7CloseUp(TObject*) { params_.Changed(*bsSkinComboBox7); }

void TForm1::bsSkinSpinEdit3Change(TObject*) { params_.Changed(*bsSkinSpinEdit3); }
void TForm1::bsSkinSpinEdit4Change(TObject*) { params_.Changed(*bsSkinSpinEdit4); }
void TForm1::bsSkinSpinEdit5Change(TObject*) { params_.Changed(*bsSkinSpinEdit5); }

// "load" and "save" send the memory number of the spin edit beside them.
void TForm1::bsSkinButton2Click(TObject*) { params_.Changed(*bsSkinButton2); }
void TForm1::bsSkinButton3Click(TObject*) { params_.Changed(*bsSkinButton3); }

// The selector buttons send their place in their group ("AUTO" sends 4
// although it is the first input button on screen).
void TForm1::bsSkinButton4Click(TObject*) { params_.Changed(*bsSkinButton4); }
void TForm1::bsSkinButton5Click(TObject*) { params_.Changed(*bsSkinButton5); }
void TForm1::bsSkinButton6Click(TObject*) { params_.Changed(*bsSkinButton6); }
void TForm1::bsSkinButton7Click(TObject*) { params_.Changed(*bsSkinButton7); }
void TForm1::bsSkinButton8Click(TObject*) { params_.Changed(*bsSkinButton8); }
void TForm1::bsSkinButton9Click(TObject*) { params_.Changed(*bsSkinButton9); }
void TForm1::bsSkinButton10Click(TObject*) { params_.Changed(*bsSkinButton10); }
void TForm1::bsSkinButton11Click(TObject*) { params_.Changed(*bsSkinButton11); }

}  // namespace dsp
