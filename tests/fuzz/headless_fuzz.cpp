// The headless command reader: each input is a script of commands, run line
// by line through the driver against the real panel window, as
// `dsp-panel --headless` runs what it reads on stdin. Building the window
// costs far more than a script, so one window serves the whole process and
// each input goes on from where the last one left it.
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>

#include "main/app/headless_driver.h"
#include "main/panel/form1.h"
#include "main/protocol/command_table.h"
#include "main/protocol/frame.h"
#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/framework/headless_host.h"
#include "platform/serialdev/silent_serial_device.h"
#include "tests/fuzz/fuzz_entries.h"
#include "tests/fuzz/fuzz_targets.h"

namespace dsp {
namespace {

namespace fs = std::filesystem;

// Longer error lines would mean input echoed back uncut.
constexpr std::size_t kMaxErrorLine = 200;

// Swallows the window's diagnostics, which would otherwise pile up.
class NullBuffer : public std::streambuf {
  protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
};

// Every frame the window sends names a known code with a value in its range.
void CheckFrame(const Frame& frame) {
    FuzzCheck(frame[0] == kFrameStart && frame[3] == kFrameEnd, "a frame has its markers");
    const CommandRow* row = FindCommand(frame[1]);
    FuzzCheck(row != nullptr, "a frame carries a known code");
    FuzzCheck(frame[2] >= row->minValue && frame[2] <= row->maxValue, "a frame's value is in range");
}

// The panel window on a headless host with a fake clock, its ports on sink
// devices, its settings in a folder of its own (removed at exit).
class HeadlessSession {
  public:
    HeadlessSession() : folder_(fs::temp_directory_path() / ("dsp-panel-fuzz-" + std::to_string(getpid()))) {
        fs::create_directories(folder_);
        auto host = std::make_unique<HeadlessHost>();
        auto clock = std::make_unique<FakeClock>(0);
        host_ = host.get();
        clock_ = clock.get();
        host_->SetEcho(false);
        app_ = std::make_unique<TApplication>(std::move(host), std::move(clock));
        TForm1::Options options;
        options.registryFile = (folder_ / "user.reg").string();
        options.deviceFactory = [](const std::string&) {
            return std::unique_ptr<SerialDevice>(std::make_unique<SilentSerialDevice>());
        };
        options.portMap = PortMap();
        options.diagnostics = &discard_;
        options.frameSent = CheckFrame;
        form_ = new TForm1(app_.get(), options);
        form_->Show();
        app_->ProcessMessages();
    }

    ~HeadlessSession() {
        app_.reset();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // Made by the first input, ended with the process (before the font and
    // skin caches it filled, which were made after it began).
    static HeadlessSession& Instance() {
        static HeadlessSession session;
        return session;
    }

    // Runs one script; 0 when every command answered "ok", 1 when one
    // answered with an error.
    int Run(std::string_view script) {
        HeadlessDriver driver(*app_, *host_, *clock_, *form_);
        bool refused = false;
        std::istringstream in{std::string(script)};
        std::string line;
        while (std::getline(in, line)) {
            std::ostringstream answer;
            const bool goesOn = driver.Execute(Confined(line), answer);
            refused |= CheckAnswer(line, answer.str());
            CheckControls();
            if (!goesOn) break;
        }
        host_->ClearMessageBoxes();
        return refused ? 1 : 0;
    }

  private:
    // A screenshot goes to the session's folder whatever path the script
    // names: scripts come from the fuzzer, and the run may be privileged.
    std::string Confined(const std::string& line) const {
        std::istringstream words(line);
        std::string first, path;
        if (!(words >> first) || first != "screenshot" || !(words >> path)) return line;
        return "screenshot " + (folder_ / "shot.png").string();
    }

    // A blank line or a comment gets no answer; a command's answer ends
    // with exactly one line "ok" or "error: ...", short. True for an error.
    static bool CheckAnswer(const std::string& line, const std::string& answer) {
        std::istringstream words(line);
        std::string first;
        const bool command = (words >> first) && !first.starts_with("#");
        FuzzCheck(command != answer.empty(), "a command is answered, and nothing else is");
        if (!command) return false;
        FuzzCheck(answer.back() == '\n', "an answer ends with a line");
        const std::size_t start = answer.rfind('\n', answer.size() - 2);
        const std::string last = answer.substr(start == std::string::npos ? 0 : start + 1);
        if (last == "ok\n") return false;
        FuzzCheck(last.starts_with("error: "), "an answer ends with ok or an error");
        FuzzCheck(last.size() <= kMaxErrorLine, "an error line is short");
        FuzzCheck(answer.find("\nok\n") == std::string::npos && !answer.starts_with("ok\n"),
                  "a refused command does not also answer ok");
        return true;
    }

    // Whatever the input did, every control holds a value it allows.
    void CheckControls() const {
        for (int i = 0; i < form_->ComponentCount(); ++i) {
            TComponent* component = form_->Components(i);
            if (auto* bar = dynamic_cast<TbsSkinTrackBar*>(component))
                FuzzCheck(bar->MinValue() <= bar->Value() && bar->Value() <= bar->MaxValue(),
                          "a track bar's value is in its range");
            else if (auto* slider = dynamic_cast<TbsSkinSlider*>(component))
                FuzzCheck(slider->MinValue() <= slider->Value() && slider->Value() <= slider->MaxValue(),
                          "a slider's value is in its range");
            else if (auto* spin = dynamic_cast<TbsSkinSpinEdit*>(component);
                     spin && spin->MinValue() < spin->MaxValue())
                FuzzCheck(spin->MinValue() <= spin->Value() && spin->Value() <= spin->MaxValue(),
                          "a spin edit's value is in its range");
            else if (auto* combo = dynamic_cast<TbsSkinComboBox*>(component))
                FuzzCheck(combo->ItemIndex() >= -1 && combo->ItemIndex() < int(combo->Items().size()),
                          "a combo box's item index names an item or none");
        }
    }

    fs::path folder_;
    NullBuffer discardBuffer_;
    std::ostream discard_{&discardBuffer_};
    HeadlessHost* host_ = nullptr;
    FakeClock* clock_ = nullptr;
    std::unique_ptr<TApplication> app_;
    TForm1* form_ = nullptr;
};

}  // namespace

int FuzzHeadless(const std::uint8_t* data, std::size_t size) {
    return HeadlessSession::Instance().Run({reinterpret_cast<const char*>(data), size});
}

}  // namespace dsp
