// demo-form: shows the demo form in a real window (SDL), or with --headless
// drives it by injected events and prints what happened.
//
//   demo-form [--headless] [--x X --y Y]
//
// Every click prints one line ("click Button1"), and "ready" is printed once
// the window is on screen, so scripts can wait for it.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "platform/framework/application.h"
#include "platform/framework/headless_host.h"
#include "platform/hosts/sdl/sdl_host.h"
#include "tools/demo-form/demo_form.h"

using namespace dsp;

namespace {

void Print(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

int RunHeadless() {
    auto hostOwned = std::make_unique<HeadlessHost>();
    HeadlessHost* host = hostOwned.get();
    TApplication app(std::move(hostOwned));
    auto* form = app.CreateForm<TDemoForm>();
    form->OnReport = Print;
    form->Show();
    app.ProcessMessages();
    host->Click(form->Button1->ClientToScreen({10, 10}));
    host->Click(form->Button2->ClientToScreen({10, 10}));  // its panel is disabled now
    host->Click(form->Button1->ClientToScreen({10, 10}));
    host->Click(form->Button2->ClientToScreen({10, 10}));
    host->PressKey(kVkEscape);
    app.ProcessMessages();
    return 0;
}

int RunWindowed(int x, int y) {
    std::unique_ptr<SdlHost> host;
    try {
        host = std::make_unique<SdlHost>();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "demo-form: %s\n", e.what());
        return 1;
    }
    TApplication app(std::move(host));
    auto* form = app.CreateForm<TDemoForm>();
    form->SetBounds(x, y, form->Width(), form->Height());
    form->OnReport = Print;
    form->Show();
    app.ProcessMessages();
    Print("ready");
    app.Run();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    bool headless = false;
    int x = 100, y = 100;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--headless"))
            headless = true;
        else if (!std::strcmp(argv[i], "--x") && i + 1 < argc)
            x = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--y") && i + 1 < argc)
            y = std::atoi(argv[++i]);
        else {
            std::fprintf(stderr, "usage: demo-form [--headless] [--x X --y Y]\n");
            return 2;
        }
    }
    return headless ? RunHeadless() : RunWindowed(x, y);
}
