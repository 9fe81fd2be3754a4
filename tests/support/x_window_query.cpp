#include "tests/support/x_window_query.h"

#include "tests/support/wait_until.h"
#include "tests/support/xvfb_server.h"

namespace dsp::test {
namespace {

// The window id in an xprop line "NAME(WINDOW): window id # 0x400001".
std::string NamedWindow(const std::string& line) {
    const auto at = line.find("# 0x");
    if (at == std::string::npos) return {};
    return line.substr(at + 2, line.find_first_of(" ,\n", at + 2) - (at + 2));
}

}  // namespace

std::string WaitForWindow(const std::string& title, const std::vector<std::string>& env,
                          std::chrono::milliseconds limit) {
    std::string id;
    WaitUntil(
        [&] {
            id = RunAndRead({"xdotool", "search", "--name", title}, env);
            if (id.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(50));
            return !id.empty();
        },
        limit);
    return id.substr(0, id.find('\n'));
}

Geometry WindowGeometry(const std::string& id, const std::vector<std::string>& env) {
    const std::string shell = RunAndRead({"xdotool", "getwindowgeometry", "--shell", id}, env);
    const auto field = [&](const std::string& name) {
        const auto at = shell.find(name + "=");
        return at == std::string::npos ? -1 : std::stoi(shell.substr(at + name.size() + 1));
    };
    return {field("X"), field("Y"), field("WIDTH"), field("HEIGHT")};
}

std::string WindowProperties(const std::string& id, const std::vector<std::string>& properties,
                             const std::vector<std::string>& env) {
    std::vector<std::string> argv = {"xprop"};
    if (id == "root")
        argv.push_back("-root");
    else
        argv.insert(argv.end(), {"-id", id});
    argv.insert(argv.end(), properties.begin(), properties.end());
    return RunAndRead(argv, env);
}

bool WindowViewable(const std::string& id, const std::vector<std::string>& env) {
    return RunAndRead({"xwininfo", "-id", id}, env).find("Map State: IsViewable") != std::string::npos;
}

bool WindowManagerRuns(const std::vector<std::string>& env) {
    const std::string named = NamedWindow(WindowProperties("root", {"_NET_SUPPORTING_WM_CHECK"}, env));
    if (named.empty()) return false;
    return NamedWindow(WindowProperties(named, {"_NET_SUPPORTING_WM_CHECK"}, env)) == named;
}

}  // namespace dsp::test
