// TForm1: the parts of the stored layout that are not controls, and the
// window's handlers by name.

#include <functional>
#include <map>
#include <utility>

#include "main/layout/layout_error.h"
#include "main/panel/form1.h"
#include "main/panel/property_values.h"
#include "platform/framework/application.h"

namespace dsp {
namespace {

TComEvents EventSetOf(const LayoutProperty& property) {
    static constexpr const char* kNames[] = {"evRxChar", "evTxEmpty", "evRxFlag", "evRing", "evBreak",
                                             "evCTS",    "evDSR",     "evError",  "evRLSD", "evRx80Full"};
    if (property.value.kind != LayoutValueKind::List)
        throw ELayoutError(property.line, "Events expects a set");
    TComEvents events;
    for (const LayoutValue& item : property.value.items) {
        int index = 0;
        while (index < int(std::size(kNames)) && item.text != kNames[index]) ++index;
        if (item.kind != LayoutValueKind::Identifier || index == int(std::size(kNames)))
            throw ELayoutError(property.line, "unknown serial event " + item.text);
        events.Include(static_cast<TComEvent>(index));
    }
    return events;
}

using PortSetter = std::function<void(TComPort&, const LayoutProperty&)>;

const std::map<std::string, PortSetter>& PortSetters() {
    static const std::map<std::string, PortSetter> table = {
        {"Port", [](TComPort& c, const LayoutProperty& p) { c.SetPort(StringValue(p)); }},
        {"BaudRate",
         [](TComPort& c, const LayoutProperty& p) {
             c.SetBaudRate(static_cast<TBaudRate>(EnumValue(
                 p, {"brCustom", "br110", "br300", "br600", "br1200", "br2400", "br4800", "br9600", "br14400",
                     "br19200", "br38400", "br56000", "br57600", "br115200", "br128000", "br256000"})));
         }},
        {"DataBits",
         [](TComPort& c, const LayoutProperty& p) {
             c.SetDataBits(static_cast<TDataBits>(EnumValue(p, {"dbFive", "dbSix", "dbSeven", "dbEight"})));
         }},
        {"StopBits",
         [](TComPort& c, const LayoutProperty& p) {
             c.SetStopBits(
                 static_cast<TStopBits>(EnumValue(p, {"sbOneStopBit", "sbOne5StopBits", "sbTwoStopBits"})));
         }},
        {"Parity.Bits",
         [](TComPort& c, const LayoutProperty& p) {
             c.Parity().SetBits(
                 static_cast<TParityBits>(EnumValue(p, {"prNone", "prOdd", "prEven", "prMark", "prSpace"})));
         }},
        {"FlowControl.OutCTSFlow",
         [](TComPort& c, const LayoutProperty& p) { c.FlowControl().SetOutCTSFlow(BoolValue(p)); }},
        {"FlowControl.OutDSRFlow",
         [](TComPort& c, const LayoutProperty& p) { c.FlowControl().SetOutDSRFlow(BoolValue(p)); }},
        {"FlowControl.ControlDTR",
         [](TComPort& c, const LayoutProperty& p) {
             c.FlowControl().SetControlDTR(
                 static_cast<TDTRFlowControl>(EnumValue(p, {"dtrDisable", "dtrEnable", "dtrHandshake"})));
         }},
        {"FlowControl.ControlRTS",
         [](TComPort& c, const LayoutProperty& p) {
             c.FlowControl().SetControlRTS(static_cast<TRTSFlowControl>(
                 EnumValue(p, {"rtsDisable", "rtsEnable", "rtsHandshake", "rtsToggle"})));
         }},
        {"FlowControl.XonXoffOut",
         [](TComPort& c, const LayoutProperty& p) { c.FlowControl().SetXonXoffOut(BoolValue(p)); }},
        {"FlowControl.XonXoffIn",
         [](TComPort& c, const LayoutProperty& p) { c.FlowControl().SetXonXoffIn(BoolValue(p)); }},
        {"Events", [](TComPort& c, const LayoutProperty& p) { c.SetEvents(EventSetOf(p)); }},
    };
    return table;
}

}  // namespace

void TForm1::LoadComPort(const LayoutObject& object) {
    for (const LayoutProperty& property : object.properties) {
        const auto setter = PortSetters().find(property.name);
        if (setter == PortSetters().end())
            throw ELayoutError(property.line, "TComPort has no " + property.name);
        setter->second(ComPort1, property);
    }
}

TNotifyEvent TForm1::Handler(std::string_view name) {
    using Method = void (TForm1::*)(TObject*);
    static const std::map<std::string, Method, std::less<>> kHandlers = {
        {"FormActivate", &TForm1::FormActivate},
        {"bsSkinButton1Click", &TForm1::bsSkinButton1Click},
        {"bsSkinButton2Click", &TForm1::bsSkinButton2Click},
        {"bsSkinButton3Click", &TForm1::bsSkinButton3Click},
        {"bsSkinButton4Click", &TForm1::bsSkinButton4Click},
        {"bsSkinButton5Click", &TForm1::bsSkinButton5Click},
        {"bsSkinButton6Click", &TForm1::bsSkinButton6Click},
        {"bsSkinButton7Click", &TForm1::bsSkinButton7Click},
        {"bsSkinButton8Click", &TForm1::bsSkinButton8Click},
        {"bsSkinButton9Click", &TForm1::bsSkinButton9Click},
        {"bsSkinButton10Click", &TForm1::bsSkinButton10Click},
        {"bsSkinButton11Click", &TForm1::bsSkinButton11Click},
        {"bsSkinTrackBar1Change", &TForm1::bsSkinTrackBar1Change},
        {"bsSkinTrackBar2Change", &TForm1::bsSkinTrackBar2Change},
        {"bsSkinTrackBar3Change", &TForm1::bsSkinTrackBar3Change},
        {"bsSkinTrackBar4Change", &TForm1::bsSkinTrackBar4Change},
        {"bsSkinTrackBar5Change", &TForm1::bsSkinTrackBar5Change},
        {"bsSkinTrackBar6Change", &TForm1::bsSkinTrackBar6Change},
        {"bsSkinTrackBar7Change", &TForm1::bsSkinTrackBar7Change},
        {"bsSkinTrackBar8Change", &TForm1::bsSkinTrackBar8Change},
        {"bsSkinTrackBar9Change", &TForm1::bsSkinTrackBar9Change},
        {"bsSkinTrackBar10Change", &TForm1::bsSkinTrackBar10Change},
        {"bsSkinTrackBar12Change", &TForm1::bsSkinTrackBar12Change},
        {"bsSkinSlider1Change", &TForm1::bsSkinSlider1Change},
        {"bsSkinSlider2Change", &TForm1::bsSkinSlider2Change},
        {"bsSkinSlider3Change", &TForm1::bsSkinSlider3Change},
        {"bsSkinSlider5Change", &TForm1::bsSkinSlider5Change},
        {"bsSkinSlider6Change", &TForm1::bsSkinSlider6Change},
        {"bsSkinComboBox3CloseUp", &TForm1::bsSkinComboBox3CloseUp},
        {"bsSkinComboBox5CloseUp", &TForm1::bsSkinComboBox5CloseUp},
        {"bsSkinComboBox6CloseUp", &TForm1::bsSkinComboBox6CloseUp},
        {"bsSkinComboBox7CloseUp", &TForm1::bsSkinComboBox7CloseUp},
        {"bsSkinSpinEdit3Change", &TForm1::bsSkinSpinEdit3Change},
        {"bsSkinSpinEdit4Change", &TForm1::bsSkinSpinEdit4Change},
        {"bsSkinSpinEdit5Change", &TForm1::bsSkinSpinEdit5Change},
        {"bsSkinComboBox8Change", &TForm1::bsSkinComboBox8Change},
    };
    const auto found = kHandlers.find(name);
    if (found == kHandlers.end()) return nullptr;
    const Method method = found->second;
    if (method != &TForm1::FormActivate) return [this, method](TObject* sender) { (this->*method)(sender); };
    // Activation runs once: the window is the program's only normal form, so
    // coming back from another program is not a new activation. The host
    // activates the form outside the message loop's guard, so its errors are
    // handed to the general error report here.
    return [this](TObject* sender) {
        if (std::exchange(activated_, true)) return;
        try {
            FormActivate(sender);
        } catch (const std::exception& error) {
            if (!Application) throw;
            Application->HandleException(error);
        }
    };
}

}  // namespace dsp
