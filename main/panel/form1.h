#pragma once
// TForm1: the control panel window. It is built from the stored layout
// (resources/layout/form1.layout); its handlers turn control changes into
// command frames on ComPort1, connect and disconnect, and switch languages.

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "controls/button.h"
#include "controls/combo_box.h"
#include "controls/numeric_edit.h"
#include "controls/slider.h"
#include "controls/spin_edit.h"
#include "controls/track_bar.h"
#include "main/panel/caption_fit.h"
#include "main/panel/caption_table.h"
#include "main/panel/change_bus.h"
#include "main/panel/layout_host.h"
#include "main/panel/layout_loader.h"
#include "main/panel/link_keeper.h"
#include "main/panel/param_table.h"
#include "platform/dispatch/main_thread_queue.h"
#include "platform/framework/form.h"
#include "platform/registry/registry.h"
#include "platform/serialdev/port_map.h"
#include "serial/com_port.h"

namespace dsp {

class TForm1 : public TForm, private LayoutHost, private ParamLink {
  public:
    struct Options {
        std::string registryFile;  // empty: the user's own store
        // How long to wait for another program's lock on the settings file.
        std::chrono::milliseconds registryLockTimeout{2000};
        SerialDeviceFactory deviceFactory;    // empty: the termios devices
        std::ostream* diagnostics = nullptr;  // why opening or closing failed; null: stderr
        // The port names the device factory's devices go by, for naming the
        // device in that line; none: the user's ports.conf.
        std::optional<PortMap> portMap;
        // Told of every frame once the port has taken it (--log-frames).
        std::function<void(const std::array<std::uint8_t, 4>& frame)> frameSent;
        // --reconnect: a port that goes away while connected is reopened
        // every second until it is back (see LinkKeeper).
        bool reconnect = false;
    };

    TForm1(TComponent* owner, Options options);
    explicit TForm1(TComponent* owner) : TForm1(owner, Options{}) {}
    ~TForm1() override;

    const LayoutLoadReport& LoadReport() const { return loadReport_; }
    // With --reconnect: whether the port went away and is being reopened.
    bool LinkAway() const { return link_.Away(); }

    // The parameters, and the changes made to them from every side.
    ParamTable& Parameters() { return params_; }
    ChangeBus& Changes() { return changes_; }

    // Handlers, named after the instance and the event.
    void FormActivate(TObject* sender);
    void bsSkinButton1Click(TObject* sender);
    void bsSkinButton2Click(TObject* sender);
    void bsSkinButton3Click(TObject* sender);
    void bsSkinButton4Click(TObject* sender);
    void bsSkinButton5Click(TObject* sender);
    void bsSkinButton6Click(TObject* sender);
    void bsSkinButton7Click(TObject* sender);
    void bsSkinButton8Click(TObject* sender);
    void bsSkinButton9Click(TObject* sender);
    void bsSkinButton10Click(TObject* sender);
    void bsSkinButton11Click(TObject* sender);
    void bsSkinTrackBar1Change(TObject* sender);
    void bsSkinTrackBar2Change(TObject* sender);
    void bsSkinTrackBar3Change(TObject* sender);
    void bsSkinTrackBar4Change(TObject* sender);
    void bsSkinTrackBar5Change(TObject* sender);
    void bsSkinTrackBar6Change(TObject* sender);
    void bsSkinTrackBar7Change(TObject* sender);
    void bsSkinTrackBar8Change(TObject* sender);
    void bsSkinTrackBar9Change(TObject* sender);
    void bsSkinTrackBar10Change(TObject* sender);
    void bsSkinTrackBar12Change(TObject* sender);
    void bsSkinSlider1Change(TObject* sender);
    void bsSkinSlider2Change(TObject* sender);
    void bsSkinSlider3Change(TObject* sender);
    void bsSkinSlider5Change(TObject* sender);
    void bsSkinSlider6Change(TObject* sender);
    void bsSkinComboBox3CloseUp(TObject* sender);
    void bsSkinComboBox5CloseUp(TObject* sender);
    void bsSkinComboBox6CloseUp(TObject* sender);
    void bsSkinComboBox7CloseUp(TObject* sender);
    void bsSkinSpinEdit3Change(TObject* sender);
    void bsSkinSpinEdit4Change(TObject* sender);
    void bsSkinSpinEdit5Change(TObject* sender);
    void bsSkinComboBox8Change(TObject* sender);

    // The serial port. The skins (bsCompressedStoredSkin1..3, bsSkinData1..3,
    // bsSkinFrame1) are components the window owns, found by name.
    TComPort ComPort1;

    // The controls the handlers use (owned by the window as components).
    TbsSkinTrackBar *bsSkinTrackBar1, *bsSkinTrackBar2, *bsSkinTrackBar3, *bsSkinTrackBar4, *bsSkinTrackBar5,
        *bsSkinTrackBar6, *bsSkinTrackBar7, *bsSkinTrackBar8, *bsSkinTrackBar9, *bsSkinTrackBar10,
        *bsSkinTrackBar12;
    TbsSkinSlider *bsSkinSlider1, *bsSkinSlider2, *bsSkinSlider3, *bsSkinSlider5, *bsSkinSlider6;
    TbsSkinSpinEdit *bsSkinSpinEdit1, *bsSkinSpinEdit2, *bsSkinSpinEdit3, *bsSkinSpinEdit4, *bsSkinSpinEdit5;
    TbsSkinComboBox *bsSkinComboBox1, *bsSkinComboBox3, *bsSkinComboBox5, *bsSkinComboBox6, *bsSkinComboBox7,
        *bsSkinComboBox8;
    TbsSkinButton *bsSkinButton1, *bsSkinButton2, *bsSkinButton3, *bsSkinButton4, *bsSkinButton5,
        *bsSkinButton6, *bsSkinButton7, *bsSkinButton8, *bsSkinButton9, *bsSkinButton10, *bsSkinButton11;
    TbsSkinNumericEdit *bsSkinNumericEdit1, *bsSkinNumericEdit2, *bsSkinNumericEdit3, *bsSkinNumericEdit4,
        *bsSkinNumericEdit5, *bsSkinNumericEdit6, *bsSkinNumericEdit7, *bsSkinNumericEdit9,
        *bsSkinNumericEdit10, *bsSkinNumericEdit11, *bsSkinNumericEdit12, *bsSkinNumericEdit13,
        *bsSkinNumericEdit14, *bsSkinNumericEdit15, *bsSkinNumericEdit16, *bsSkinNumericEdit18;
    TControl* bsSkinStatusPanel1;

  protected:
    // Skin changes reach the controls that draw from the changing skin; a
    // lost line is taken up here.
    void WndProc(TMessage& message) override;
    void TimerFired(uint32_t id) override;

  private:
    // LayoutHost
    TForm& RootForm() override { return *this; }
    bool LoadNonVisual(const LayoutObject& object) override;
    TbsSkinData* SkinDataByName(std::string_view name) override;
    const EmbeddedResource* Resource(std::string_view name) override;
    TNotifyEvent Handler(std::string_view name) override;

    void LoadComPort(const LayoutObject& object);
    void FindControls();
    template <class T>
    T* Find(const char* name);

    // ParamLink: the parameter handlers' write.
    void Send(std::uint8_t code, int value) override;

    // Connection, groups and language.
    int LanguageIndex() const { return bsSkinComboBox8->ItemIndex(); }
    void ShowConnection(ConnectionText status, bool connected);
    void EnableParameterControls(bool enabled);
    void EnableSelectorButtons(bool enabled);
    void Relabel(int languageIndex, EnglishColumn column);
    void RestoreLanguage();
    void SetDefaults();
    void ReportPortFailure(const std::exception& error);
    TRegistry OpenStore() const;
    void ReportSettingsProblem(const TRegistry& store);

    // Reconnecting (form1_link.cpp). Online: connected, or away and coming
    // back, so the controls keep working while nothing is sent.
    bool Online() const override { return ComPort1.Connected() || link_.Away(); }
    void WatchLink();
    bool SendFailedForGood(const std::exception& error);
    void LinkLost(const std::string& reason);
    void RetryLink();
    void DisconnectWhileAway();

    Options options_;
    ChangeBus changes_;
    ParamTable params_{*this, changes_};
    std::string lastSettingsProblem_;  // said once, not at every change
    LinkKeeper link_;
    CaptionFit captionFit_;
    std::uintptr_t portClosings_ = 0;  // counts the port's closings
    LayoutLoadReport loadReport_;
    bool activated_ = false;
};

}  // namespace dsp
