// dsp-panel: the control panel program and its command-line tools.

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/registry_texts.h"
#include "i18n/translation_runtime.h"
#include "main/app/panel_app.h"
#include "main/cli/frame_command.h"
#include "main/cli/scene_command.h"
#include "main/cli/send_command.h"
#include "main/cli/simulate_command.h"
#include "main/cli/skin_info_command.h"
#include "serial/ecomport_messages.h"

namespace {

constexpr std::string_view kUsage =
    "usage: dsp-panel [--simulate] [--map COMn=DEVICE]... [--log-frames FILE|-] [--reconnect]\n"
    "                 [--restore] [--resync] [--follow-memories]\n"
    "                 [--osc [ADDR:]PORT]    open the control panel window (--osc: answer OSC\n"
    "                                        control surfaces on a UDP port, 127.0.0.1 by default)\n"
    "                 [--web [ADDR:]PORT]    (--web: serve the web remote's page; its address with\n"
    "                                        the token is printed on stderr)\n"
    "       dsp-panel --headless [OPTIONS]   drive the window with commands on stdin\n"
    "       dsp-panel frame PARAM VALUE      print the command frame for a parameter\n"
    "       dsp-panel frame --list           list the parameters, their codes and ranges\n"
    "       dsp-panel send --port NAME [--map COMn=DEVICE]... PARAM VALUE [PARAM VALUE ...]\n"
    "                                        send frames to the unit\n"
    "       dsp-panel scene apply FILE|NAME --port NAME [--map COMn=DEVICE]... [--gap MS]\n"
    "                             [--safe LIST] [--direct]\n"
    "                                        send a scene to the unit, volumes first down, last up\n"
    "       dsp-panel scene show FILE|NAME | diff A B | list\n"
    "                                        the frames a scene sends; how two differ; the saved ones\n"
    "       dsp-panel simulate-unit [--pty | DEVICE]\n"
    "                                        simulate the unit and print every frame it receives\n"
    "       dsp-panel skin-info N            describe embedded skin N (1 to 3)\n"
    "       dsp-panel --help | --version\n";

// Module start-up: the translation runtime, then the serial and registry
// messages that pass through it. Between them they touch every
// resource-string domain, so a damaged catalog of any domain is reported
// alike, once; it leaves the English texts and is not fatal.
void StartModules() {
    dsp::StartTranslationRuntime();
    std::string reported;
    for (void (*step)() : {+[] { dsp::InitComPortMessages(); }, +[] { dsp::InitRegistryMessages(); }}) {
        try {
            step();
        } catch (const std::exception& error) {
            if (error.what() == reported) continue;
            reported = error.what();
            std::cerr << "dsp-panel: " << reported << "\n";
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    StartModules();
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "frame")
        return dsp::RunFrameCommand(std::span(args).subspan(1), std::cout, std::cerr);
    if (!args.empty() && args[0] == "send")
        return dsp::RunSendCommand(std::span(args).subspan(1), std::cout, std::cerr);
    if (!args.empty() && args[0] == "scene")
        return dsp::RunSceneCommand(std::span(args).subspan(1), std::cout, std::cerr);
    if (!args.empty() && args[0] == "simulate-unit")
        return dsp::RunSimulateCommand(std::span(args).subspan(1), std::cout, std::cerr);
    if (!args.empty() && args[0] == "skin-info")
        return dsp::RunSkinInfoCommand(std::span(args).subspan(1), std::cout, std::cerr);
    if (!args.empty() && args[0] == "--help") {
        std::cout << kUsage;
        return 0;
    }
    if (!args.empty() && args[0] == "--version") {
        std::cout << "dsp-panel " DSP_VERSION "\n";
        return 0;
    }
    if (args.empty() || args[0].starts_with("--")) return dsp::RunPanel(args, std::cin, std::cout, std::cerr);
    std::cerr << kUsage;
    return 2;
}
