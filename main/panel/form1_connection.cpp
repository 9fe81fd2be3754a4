// TForm1: connecting and disconnecting, and the two groups of controls that
// the connection state switches together.

#include <iostream>

#include "main/panel/form1.h"
#include "serial/ecomport.h"
#include "serial/port_failure.h"

namespace dsp {

void TForm1::ShowConnection(ConnectionText status, bool connected) {
    bsSkinStatusPanel1->SetCaption(std::string(StatusText(status, LanguageIndex())));
    bsSkinButton1->SetCaption(std::string(ConnectButtonText(connected, LanguageIndex())));
}

// The 25 parameter controls, in the order they are switched.
void TForm1::EnableParameterControls(bool enabled) {
    TControl* const controls[] = {
        bsSkinTrackBar1,  bsSkinTrackBar2, bsSkinTrackBar3, bsSkinTrackBar4, bsSkinTrackBar5,
        bsSkinTrackBar6,  bsSkinTrackBar7, bsSkinTrackBar8, bsSkinTrackBar9, bsSkinTrackBar10,
        bsSkinTrackBar12, bsSkinSpinEdit1, bsSkinSpinEdit2, bsSkinSpinEdit3, bsSkinSpinEdit4,
        bsSkinSpinEdit5,  bsSkinComboBox3, bsSkinComboBox5, bsSkinComboBox6, bsSkinComboBox7,
        bsSkinSlider1,    bsSkinSlider2,   bsSkinSlider3,   bsSkinSlider5,   bsSkinSlider6};
    for (TControl* control : controls) control->SetEnabled(enabled);
}

// The eight input and auxiliary buttons.
void TForm1::EnableSelectorButtons(bool enabled) {
    TControl* const buttons[] = {bsSkinButton4, bsSkinButton5, bsSkinButton6,  bsSkinButton7,
                                 bsSkinButton8, bsSkinButton9, bsSkinButton10, bsSkinButton11};
    for (TControl* button : buttons) button->SetEnabled(enabled);
}

// The status panel shows only the fixed texts; why the port could not be
// opened or closed (busy, no permission, no such device) goes to the
// diagnostics stream as one line, so it is not lost.
void TForm1::ReportPortFailure(const std::exception& error) {
    std::ostream& out = options_.diagnostics ? *options_.diagnostics : std::cerr;
    const PortMap map = options_.portMap ? *options_.portMap : PortMap::FromUserConfig();
    out << "dsp-panel: " << DescribePortFailure(ComPort1.Port(), map, error) << "\n";
}

void TForm1::bsSkinButton1Click(TObject*) {
    if (link_.Away()) return DisconnectWhileAway();
    const bool wasConnected = ComPort1.Connected();
    // Outside the protected call: an error while renaming an open port
    // reaches the general error report.
    ComPort1.SetPort(bsSkinComboBox1->Text());
    try {
        if (wasConnected)
            ComPort1.ClosePort();
        else
            ComPort1.OpenPort();
    } catch (const std::exception& error) {
        ReportPortFailure(error);
        ShowConnection(wasConnected ? ConnectionText::CloseFailed : ConnectionText::OpenFailed, false);
        return;
    }
    const bool connected = !wasConnected;
    ShowConnection(connected ? ConnectionText::OpenedByButton : ConnectionText::ClosedByButton, connected);
    EnableParameterControls(connected);
    EnableSelectorButtons(connected);
    bsSkinComboBox1->SetEnabled(!ComPort1.Connected());
}

}  // namespace dsp
