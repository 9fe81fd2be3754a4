// TForm1: the two languages, the stored choice, and the first activation.

#include <iostream>

#include "main/panel/form1.h"
#include "platform/registry/registry.h"

namespace dsp {
namespace {

constexpr std::string_view kSettingsKey = "\\Software\\tolmy\\audio";
constexpr std::string_view kLanguageValue = "Language";

}  // namespace

TRegistry TForm1::OpenStore() const {
    TRegistry store = options_.registryFile.empty() ? TRegistry() : TRegistry(options_.registryFile);
    store.SetLockTimeout(options_.registryLockTimeout);
    return store;
}

// A settings file we leave alone (not a regular file, too large, damaged,
// locked by another program) is told once on the diagnostics stream; the
// window goes on in the language its box shows.
void TForm1::ReportSettingsProblem(const TRegistry& store) {
    const std::string& problem = store.Problem();
    if (problem.empty() || problem == lastSettingsProblem_) return;
    lastSettingsProblem_ = problem;
    std::ostream& out = options_.diagnostics ? *options_.diagnostics : std::cerr;
    out << "dsp-panel: " << problem << "\n";
}

void TForm1::Relabel(int languageIndex, EnglishColumn column) {
    PaintHold hold(*this);  // every caption changes: one paint for all
    const bool connected = Online();
    bsSkinStatusPanel1->SetCaption(std::string(
        StatusText(connected ? ConnectionText::RelabelOpen : ConnectionText::RelabelClosed, languageIndex)));
    for (const CaptionRow& row : CaptionTable()) {
        const std::string text(CaptionText(row, languageIndex, column));
        if (row.control == "Form1") {
            SetCaption(text);
            bsSkinButton1->SetCaption(std::string(ConnectButtonText(connected, languageIndex)));
        } else if (TControl* control = dynamic_cast<TControl*>(FindComponent(row.control))) {
            control->SetCaption(text);
        }
    }
    captionFit_.Fit(*this);
}

void TForm1::bsSkinComboBox8Change(TObject*) {
    const int index = LanguageIndex();
    TRegistry store = OpenStore();
    if (store.OpenKey(kSettingsKey, true)) {
        try {
            store.WriteInteger(kLanguageValue, index);
        } catch (...) {
            ReportSettingsProblem(store);
            store.CloseKey();
            throw;
        }
    }
    ReportSettingsProblem(store);
    store.CloseKey();
    Relabel(index, EnglishColumn::Change);
}

// Selecting the stored item fires the language box's change (and so the
// handler above) when its text differs from the one shown. No selection, or
// any index but 0, is English, and then "english" is selected, which stores 1.
void TForm1::RestoreLanguage() {
    TRegistry store = OpenStore();
    if (store.OpenKey(kSettingsKey, true)) {
        try {
            if (store.ValueExists(kLanguageValue))
                bsSkinComboBox8->SetItemIndex(store.ReadInteger(kLanguageValue));
        } catch (...) {
            store.CloseKey();
            throw;
        }
    }
    ReportSettingsProblem(store);
    store.CloseKey();
    if (IsChinese(LanguageIndex())) {
        Relabel(kLanguageChinese, EnglishColumn::Activation);
        return;
    }
    Relabel(LanguageIndex(), EnglishColumn::Activation);
    bsSkinComboBox8->SetItemIndex(kLanguageEnglish);
}

void TForm1::SetDefaults() {
    TbsSkinTrackBar* const bars[] = {bsSkinTrackBar12, bsSkinTrackBar1, bsSkinTrackBar3, bsSkinTrackBar4,
                                     bsSkinTrackBar5,  bsSkinTrackBar6, bsSkinTrackBar7, bsSkinTrackBar8,
                                     bsSkinTrackBar9,  bsSkinTrackBar2, bsSkinTrackBar10};
    const int barDefaults[] = {20, 20, 20, 10, 10, 10, 10, 10, 10, 20, 20};
    for (std::size_t i = 0; i < std::size(bars); ++i) bars[i]->SetValue(barDefaults[i]);
    TbsSkinSlider* const sliders[] = {bsSkinSlider1, bsSkinSlider2, bsSkinSlider3, bsSkinSlider5,
                                      bsSkinSlider6};
    const int sliderDefaults[] = {170, 48, 38, 16, 5};
    for (std::size_t i = 0; i < std::size(sliders); ++i) sliders[i]->SetValue(sliderDefaults[i]);
}

void TForm1::FormActivate(TObject*) {
    bsSkinComboBox1->SetItemIndex(0);
    bsSkinComboBox3->SetItemIndex(0);
    bsSkinComboBox5->SetItemIndex(0);
    bsSkinComboBox6->SetItemIndex(0);
    bsSkinComboBox7->SetItemIndex(5);
    RestoreLanguage();  // a registry error ends the activation here
    SetDefaults();
    params_.ShowReadouts();
    EnableParameterControls(Online());
}

}  // namespace dsp
