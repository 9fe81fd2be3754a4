#include "main/app/panel_app.h"

#include <array>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "main/app/desktop_services.h"
#include "main/app/headless_driver.h"
#include "main/app/web_surface.h"
#include "main/cli/port_map_args.h"
#include "main/panel/form1.h"
#include "main/protocol/frame.h"
#include "main/remote/form_remote_panel.h"
#include "main/remote/osc_server.h"
#include "main/scene/panel_scenes.h"
#include "main/scene/scenes_menu.h"
#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/framework/headless_host.h"
#include "platform/framework/messages.h"
#include "platform/hosts/sdl/sdl_host.h"
#include "platform/net/socket_errors.h"
#include "platform/serialdev/line_input.h"
#include "platform/serialdev/pty_pair.h"
#include "platform/serialdev/routed_device_factory.h"
#include "platform/serialdev/signal_watch.h"
#include "platform/serialdev/stop_signal.h"
#include "platform/sys/process_env.h"
#include "platform/sys/waitable.h"

namespace dsp {
namespace {

struct PanelOptions {
    bool headless = false;
    bool simulate = false;
    bool reconnect = false;
    bool restore = false;         // the controls start at last.scene
    bool resync = false;          // the whole state goes out after every connect
    bool followMemories = false;  // "load" N sets the controls to memory-N.scene
    std::vector<std::string_view> maps;
    std::optional<std::string_view> osc;  // [ADDR:]PORT
    std::optional<std::string_view> web;  // [ADDR:]PORT
    std::string logFrames;                // "" none, "-" stderr
};

std::optional<PanelOptions> ParseOptions(std::span<const std::string_view> args, std::ostream& err) {
    PanelOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--headless")
            options.headless = true;
        else if (args[i] == "--simulate")
            options.simulate = true;
        else if (args[i] == "--reconnect")
            options.reconnect = true;
        else if (args[i] == "--restore")
            options.restore = true;
        else if (args[i] == "--resync")
            options.resync = true;
        else if (args[i] == "--follow-memories")
            options.followMemories = true;
        else if (args[i] == "--map" && hasValue)
            options.maps.push_back(args[++i]);
        else if (args[i] == "--web" && hasValue)
            options.web = args[++i];
        else if (args[i] == "--osc" && hasValue)
            options.osc = args[++i];
        else if (args[i] == "--log-frames" && hasValue)
            options.logFrames = std::string(args[++i]);
        else {
            err << "dsp-panel: unknown option or missing value: " << args[i] << "\n";
            return std::nullopt;
        }
    }
    return options;
}

// "2026-12-08T02:30:00.123Z 80 13 1F A0"
void LogFrame(std::ostream& log, const Frame& frame) {
    const auto now = std::chrono::system_clock::now();
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    log << std::put_time(&utc, "%Y-%m-%dT%H:%M:%S") << '.' << std::setw(3) << std::setfill('0') << ms << "Z "
        << FrameToHex(frame) << std::endl;
}

// `--osc`: the OSC surface, following the window's change bus. Nothing when
// not asked for; a null server when the address is taken.
struct OscSurfaceOn {
    std::unique_ptr<FormRemotePanel> panel;
    std::unique_ptr<OscServer> server;
    ChangeBus::Subscription following;

    bool Start(TApplication& app, TForm1& form, const UdpEndpoint& local, std::ostream& err) {
        panel = std::make_unique<FormRemotePanel>(form, ChangeSource::Osc);
        server = std::make_unique<OscServer>(app, *panel, err);
        if (const int error = server->Start(local); error != 0) {
            err << "dsp-panel: cannot take OSC on " << local.ToString() << ": " << SocketErrorText(error)
                << "\n";
            return false;
        }
        following = form.Changes().Subscribe(
            [this](const ParamChange& change) { server->Changed(*change.row, change.value, change.client); });
        err << "dsp-panel: OSC on " << server->LocalEndpoint().ToString() << std::endl;
        return true;
    }
    ~OscSurfaceOn() { following.Reset(); }
};

void CentreOnDesktop(TForm& form, const Rect& workArea) {
    form.SetLeft(workArea.left + (workArea.Width() - form.Width()) / 2);
    form.SetTop(workArea.top + (workArea.Height() - form.Height()) / 2);
}

// A request to end (SIGTERM from a session, systemd or kill; SIGINT) closes
// the window as its close button does, so the port is closed on the way out.
// The wait has a thread of its own; the close is posted to the window and
// handled on the main loop.
class CloseOnEndRequest {
  public:
    CloseOnEndRequest(SignalWatch& signals, TApplication& app, TForm& form)
        : signals_(signals), app_(app), form_(form), thread_([this] { Watch(); }) {}
    ~CloseOnEndRequest() {
        stop_.Signal();
        thread_.join();
    }
    CloseOnEndRequest(const CloseOnEndRequest&) = delete;
    CloseOnEndRequest& operator=(const CloseOnEndRequest&) = delete;

  private:
    void Watch() {
        const std::array<Waitable, 2> items{signals_.Handle(), stop_.Handle()};
        std::vector<bool> ready;
        for (;;) {
            if (WaitAny(items, -1, ready) != 0 || ready[1]) return;
            while (const int signo = signals_.Take())
                if (SignalWatch::IsEndRequest(signo)) app_.PostMessage(&form_, kWmClose);
        }
    }

    SignalWatch& signals_;
    TApplication& app_;
    TForm& form_;
    StopSignal stop_;
    std::thread thread_;
};

// The headless driver's commands: standard input is read straight from its
// descriptor, so a request to end is seen while a command is awaited.
void DriveHeadless(HeadlessDriver& driver, std::istream& in, std::ostream& out, SignalWatch& signals,
                   bool serve) {
    LineInput lines(0, signals.Handle());
    const HeadlessDriver::LineSource fromStdin = [&lines] { return lines.Next(); };
    if (&in != &std::cin) {
        serve ? driver.Serve(in, out) : driver.Run(in, out);
    } else {
        serve ? driver.Serve(fromStdin, out) : driver.Run(fromStdin, out);
    }
}

}  // namespace

int RunPanel(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err) {
    std::optional<PanelOptions> options = ParseOptions(args, err);
    if (!options) return 2;
    // Before the simulator, the display and the port start their threads.
    SignalWatch signals(SignalWatch::Watch::End);
    std::optional<PortMap> map = BuildPortMap(options->maps, err);
    if (!map) return 2;
    std::optional<UdpEndpoint> osc;
    if (options->osc && !(osc = ParseUdpEndpoint(*options->osc, "127.0.0.1")))
        return err << "dsp-panel: --osc takes [ADDR:]PORT with a dotted IPv4 address: " << *options->osc
                   << "\n",
               2;
    if (options->web && !WebSurface::Accepts(*options->web, err)) return 2;
    Simulation simulation;
    if (options->simulate) {
        if (!simulation.Start(out, err)) return 1;
        if (!simulation.DevicePath().empty()) map->Set("COM1", simulation.DevicePath());
    }
    std::ofstream logFile;
    std::ostream* log = nullptr;
    if (options->logFrames == "-") {
        log = &err;
    } else if (!options->logFrames.empty()) {
        logFile.open(options->logFrames, std::ios::app);
        if (!logFile) return err << "dsp-panel: cannot write " << options->logFrames << "\n", 1;
        log = &logFile;
    }
    std::unique_ptr<WindowHost> host = OpenHost(options->headless, err);
    if (!host) return 1;
    HeadlessHost* headless = dynamic_cast<HeadlessHost*>(host.get());
    auto clock = options->headless ? std::make_unique<FakeClock>(0) : nullptr;
    FakeClock* fakeClock = clock.get();
    TApplication app(std::move(host), std::move(clock));

    TForm1::Options formOptions;
    formOptions.deviceFactory = simulation.Devices(RoutedDeviceFactory(*map));
    formOptions.portMap = *map;
    formOptions.diagnostics = &err;
    formOptions.reconnect = options->reconnect;
    if (log) formOptions.frameSent = [log](const Frame& frame) { LogFrame(*log, frame); };
    TForm1* form = nullptr;
    try {
        form = new TForm1(&app, formOptions);
    } catch (const std::exception& error) {  // a damaged layout: nothing to show
        err << "dsp-panel: " << error.what() << "\n";
        return 1;
    }
    OscSurfaceOn surface;
    if (osc && !surface.Start(app, *form, *osc, err)) return 1;
    WebSurface web;
    if (options->web && !web.Start(app, *form, *options->web, err)) return 1;
    EndWithTheDisplay(app.Host(), *form, out, err);
    CentreOnDesktop(*form, app.WorkArea());
    try {
        form->Show();
    } catch (const std::runtime_error& error) {  // the system made no window for it
        err << "dsp-panel: " << error.what() << "\n";
        return 1;
    }
    app.ProcessMessages();
    // After the activation's defaults, which --restore replaces.
    PanelScenes scenes(
        form->Parameters(), form->Changes(),
        {.folder = SceneConfigFolder(), .followMemories = options->followMemories, .diagnostics = &err});
    if (options->restore) scenes.Restore();
    if (options->resync) scenes.WatchConnects(form->ComPort1);
    ScenesMenu scenesMenu(*form, scenes, err);
    if (headless) {
        headless->SetEcho(true);
        HeadlessDriver driver(app, *headless, *fakeClock, *form);
        driver.SetScenes(&scenes);
        // Packets and page messages come while the driver waits for its
        // next command.
        DriveHeadless(driver, in, out, signals, osc.has_value() || options->web);
    } else {
        CloseOnEndRequest closer(signals, app, *form);
        app.Run();
    }
    return 0;
}

}  // namespace dsp
