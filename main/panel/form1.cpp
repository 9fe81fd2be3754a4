#include "main/panel/form1.h"

#include <iostream>

#include "main/layout/layout_error.h"
#include "main/layout/layout_reader.h"
#include "main/panel/panel_resources.h"
#include "main/panel/property_values.h"
#include "platform/framework/application.h"
#include "skin/embedded/embedded_skins.h"
#include "skin/skin_data.h"

namespace dsp {

TForm1::TForm1(TComponent* owner, Options options)
    : TForm(owner), options_(std::move(options)), link_(options_.diagnostics) {
    if (options_.deviceFactory) ComPort1.SetDeviceFactory(options_.deviceFactory);
    // The serial component hands line events to the window's thread through
    // the application's queue, which the message loop drains.
    if (Application) ComPort1.SetDispatcher(&Application->Dispatcher());
    const EmbeddedResource* text = PanelResources().Find("layout");
    if (!text) throw ELayoutError(0, "the window's layout is not embedded");
    loadReport_ = LoadLayout(ReadLayout(text->Text()), *this, ComponentFactory::Panel());
    // Nothing here waits for the output to drain. Watching for it would wake
    // the line's thread after every frame, just as the far end is reading it.
    TComEvents events = ComPort1.Events();
    events.Exclude(evTxEmpty);
    ComPort1.SetEvents(events);
    FindControls();
    params_.Resolve(*this);
    WatchLink();
}

TForm1::~TForm1() {
    // The controls go first, while the handlers they call still exist; the
    // port closes before the queue its thread reports through. The form
    // forgets its focused control first: the framework does not clear that
    // reference when the control is destroyed.
    SetActiveControl(nullptr);
    DestroyComponents();
    try {
        ComPort1.ClosePort();
    } catch (const std::exception& error) {
        ReportPortFailure(error);
    }
}

template <class T>
T* TForm1::Find(const char* name) {
    T* found = dynamic_cast<T*>(FindComponent(name));
    if (!found) throw ELayoutError(0, std::string("the layout has no ") + name + " of the expected class");
    return found;
}

void TForm1::FindControls() {
    TbsSkinTrackBar** bars[] = {&bsSkinTrackBar1, &bsSkinTrackBar2,  &bsSkinTrackBar3, &bsSkinTrackBar4,
                                &bsSkinTrackBar5, &bsSkinTrackBar6,  &bsSkinTrackBar7, &bsSkinTrackBar8,
                                &bsSkinTrackBar9, &bsSkinTrackBar10, &bsSkinTrackBar12};
    const char* barNames[] = {"bsSkinTrackBar1", "bsSkinTrackBar2",  "bsSkinTrackBar3", "bsSkinTrackBar4",
                              "bsSkinTrackBar5", "bsSkinTrackBar6",  "bsSkinTrackBar7", "bsSkinTrackBar8",
                              "bsSkinTrackBar9", "bsSkinTrackBar10", "bsSkinTrackBar12"};
    for (std::size_t i = 0; i < std::size(bars); ++i) *bars[i] = Find<TbsSkinTrackBar>(barNames[i]);
    bsSkinSlider1 = Find<TbsSkinSlider>("bsSkinSlider1");
    bsSkinSlider2 = Find<TbsSkinSlider>("bsSkinSlider2");
    bsSkinSlider3 = Find<TbsSkinSlider>("bsSkinSlider3");
    bsSkinSlider5 = Find<TbsSkinSlider>("bsSkinSlider5");
    bsSkinSlider6 = Find<TbsSkinSlider>("bsSkinSlider6");
    TbsSkinSpinEdit** spins[] = {&bsSkinSpinEdit1, &bsSkinSpinEdit2, &bsSkinSpinEdit3, &bsSkinSpinEdit4,
                                 &bsSkinSpinEdit5};
    for (std::size_t i = 0; i < std::size(spins); ++i)
        *spins[i] = Find<TbsSkinSpinEdit>(("bsSkinSpinEdit" + std::to_string(i + 1)).c_str());
    bsSkinComboBox1 = Find<TbsSkinComboBox>("bsSkinComboBox1");
    bsSkinComboBox3 = Find<TbsSkinComboBox>("bsSkinComboBox3");
    bsSkinComboBox5 = Find<TbsSkinComboBox>("bsSkinComboBox5");
    bsSkinComboBox6 = Find<TbsSkinComboBox>("bsSkinComboBox6");
    bsSkinComboBox7 = Find<TbsSkinComboBox>("bsSkinComboBox7");
    bsSkinComboBox8 = Find<TbsSkinComboBox>("bsSkinComboBox8");
    TbsSkinButton** buttons[] = {&bsSkinButton1, &bsSkinButton2,  &bsSkinButton3, &bsSkinButton4,
                                 &bsSkinButton5, &bsSkinButton6,  &bsSkinButton7, &bsSkinButton8,
                                 &bsSkinButton9, &bsSkinButton10, &bsSkinButton11};
    for (std::size_t i = 0; i < std::size(buttons); ++i)
        *buttons[i] = Find<TbsSkinButton>(("bsSkinButton" + std::to_string(i + 1)).c_str());
    TbsSkinNumericEdit** readouts[] = {
        &bsSkinNumericEdit1,  &bsSkinNumericEdit2,  &bsSkinNumericEdit3,  &bsSkinNumericEdit4,
        &bsSkinNumericEdit5,  &bsSkinNumericEdit6,  &bsSkinNumericEdit7,  &bsSkinNumericEdit9,
        &bsSkinNumericEdit10, &bsSkinNumericEdit11, &bsSkinNumericEdit12, &bsSkinNumericEdit13,
        &bsSkinNumericEdit14, &bsSkinNumericEdit15, &bsSkinNumericEdit16, &bsSkinNumericEdit18};
    const int readoutNumbers[] = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 18};
    for (std::size_t i = 0; i < std::size(readouts); ++i)
        *readouts[i] =
            Find<TbsSkinNumericEdit>(("bsSkinNumericEdit" + std::to_string(readoutNumbers[i])).c_str());
    bsSkinStatusPanel1 = Find<TControl>("bsSkinStatusPanel1");
}

bool TForm1::LoadNonVisual(const LayoutObject& object) {
    if (object.className == "TComPort" && object.name == "ComPort1") return LoadComPort(object), true;
    return false;
}

TbsSkinData* TForm1::SkinDataByName(std::string_view name) {
    return dynamic_cast<TbsSkinData*>(FindComponent(name));
}

const EmbeddedResource* TForm1::Resource(std::string_view name) {
    if (const EmbeddedResource* found = PanelResources().Find(name)) return found;
    return EmbeddedSkinResources().Find(name);
}

}  // namespace dsp
