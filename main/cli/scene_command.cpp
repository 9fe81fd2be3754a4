#include "main/cli/scene_command.h"

#include <cstring>
#include <ostream>

#include "main/cli/frame_command.h"
#include "main/cli/port_map_args.h"
#include "main/cli/scene_args.h"
#include "main/scene/paced_send.h"
#include "main/scene/scene_file.h"
#include "main/scene/scene_text.h"
#include "platform/serialdev/signal_watch.h"
#include "platform/sys/waitable.h"

namespace dsp {
namespace {

constexpr std::string_view kUsage =
    "usage: dsp-panel scene apply FILE|NAME --port NAME [--map COMn=DEVICE]... [--gap MS] [--safe LIST] "
    "[--direct]\n"
    "       dsp-panel scene show FILE|NAME [--safe LIST] [--direct]\n"
    "       dsp-panel scene diff A B\n"
    "       dsp-panel scene list\n";

// An apply expected to take this long reports each frame as it goes.
constexpr TimeMs kProgressFromMs = 1000;

std::optional<Scene> LoadOrTell(std::string_view fileOrName, std::ostream& err) {
    SceneLoad load = LoadSceneFile(ResolveScenePath(fileOrName));
    if (!load.scene) err << "dsp-panel: " << load.error.Message() << '\n';
    return std::move(load.scene);
}

// The parameters every apply leaves alone: scene.conf's, then --safe's.
std::optional<ParamSet> SafeSet(const SceneArgs& args, std::ostream& err) {
    SceneConfLoad conf = LoadSceneConf(SceneConfigFolder() + "/scene.conf");
    if (!conf.conf) {
        err << "dsp-panel: " << conf.error << '\n';
        return std::nullopt;
    }
    ParamSet safe = conf.conf->safe;
    if (args.safe) {
        std::string reason;
        std::optional<ParamSet> listed = ParseParamList(*args.safe, reason);
        if (!listed) {
            err << "dsp-panel: --safe: " << reason << '\n';
            return std::nullopt;
        }
        safe |= *listed;
    }
    return safe;
}

std::optional<std::vector<PlannedFrame>> Plan(const SceneArgs& args, std::ostream& err) {
    std::optional<ParamSet> safe = SafeSet(args, err);
    if (!safe) return std::nullopt;
    std::optional<Scene> scene = LoadOrTell(args.files[0], err);
    if (!scene) return std::nullopt;
    return PlanApply(*scene, *safe, args.direct ? ApplyOrder::Direct : ApplyOrder::Safe);
}

std::string Describe(const PlannedFrame& f) {
    return std::string(f.row->name) + " = " + SceneValueText(*f.row, f.value);
}

// Waits on the clock, woken early by Ctrl-C or a termination request.
class SignalPaceWait final : public PaceWait {
  public:
    SignalPaceWait(SignalWatch& signals, const Clock& clock) : signals_(signals), clock_(clock) {}

    bool Until(TimeMs due) override {
        const Waitable requests = signals_.Handle();
        std::vector<bool> ready;
        while (true) {
            const TimeMs left = std::max<TimeMs>(0, due - clock_.Now());
            if (WaitAny(std::span(&requests, 1), static_cast<int>(left), ready) == 0 && ready[0])
                if (SignalWatch::IsEndRequest(signals_.Take())) return false;
            if (clock_.Now() >= due) return true;
        }
    }

  private:
    SignalWatch& signals_;
    const Clock& clock_;
};

int Apply(const SceneArgs& args, std::ostream& err, const SendDeviceMaker& makeDevice) {
    std::optional<std::vector<PlannedFrame>> plan = Plan(args, err);
    if (!plan) return kExitBadParameter;
    std::optional<PortMap> map = BuildPortMap(args.maps, err);
    if (!map) return kExitBadParameter;
    // Before the port opens, so Ctrl-C is read between frames, not delivered.
    SignalWatch signals;
    CliPort port(*args.port, *map, makeDevice);
    if (!port.Open(err)) return kExitPortError;

    const std::size_t total = plan->size();
    const bool progress = args.gapMs * static_cast<TimeMs>(total) >= kProgressFromMs;
    MonotonicClock clock;
    SignalPaceWait wait(signals, clock);
    PaceResult result = SendPaced(*plan, args.gapMs, clock, wait, [&](const PlannedFrame& f) {
        if (!port.Send(BuildFrame(f.row->code, f.value), err)) return false;
        if (progress) err << "dsp-panel: sent " << Describe(f) << '\n';
        return true;
    });
    if (result.stopped) {
        err << "dsp-panel: stopped after " << result.sent << " of " << total << " frames";
        if (result.sent > 0) err << "; the last sent was " << Describe((*plan)[result.sent - 1]);
        err << '\n';
        return kExitStopped;
    }
    if (result.failed) return kExitPortError;
    return port.Close(err) ? 0 : kExitPortError;
}

int Show(const SceneArgs& args, std::ostream& out, std::ostream& err) {
    std::optional<std::vector<PlannedFrame>> plan = Plan(args, err);
    if (!plan) return kExitBadParameter;
    for (const PlannedFrame& f : *plan)
        out << FrameToHex(BuildFrame(f.row->code, f.value)) << "  " << Describe(f) << '\n';
    return 0;
}

std::string ValueOrUnset(const CommandRow& row, std::optional<int> value) {
    return value ? SceneValueText(row, *value) : "(not set)";
}

// Like diff(1): 0 when the scenes set the same values, 1 when they differ.
int Diff(const SceneArgs& args, std::ostream& out, std::ostream& err) {
    std::optional<Scene> a = LoadOrTell(args.files[0], err);
    std::optional<Scene> b = LoadOrTell(args.files[1], err);
    if (!a || !b) return kExitBadParameter;
    int differ = 0;
    for (const CommandRow& row : CommandTable()) {
        if (!IsSceneParameter(row) || a->Value(row) == b->Value(row)) continue;
        out << row.name << ": " << ValueOrUnset(row, a->Value(row)) << " -> "
            << ValueOrUnset(row, b->Value(row)) << '\n';
        differ = 1;
    }
    return differ;
}

int List(std::ostream& out) {
    for (const std::string& name : ListScenes()) out << name << '\n';
    return 0;
}

}  // namespace

int RunSceneCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    return RunSceneCommand(args, out, err, RoutedDeviceMaker());
}

int RunSceneCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
                    const SendDeviceMaker& makeDevice) {
    std::optional<SceneArgs> parsed = ParseSceneArgs(args);
    if (!parsed) {
        err << kUsage;
        return kExitBadParameter;
    }
    if (parsed->verb == "apply") return Apply(*parsed, err, makeDevice);
    if (parsed->verb == "show") return Show(*parsed, out, err);
    if (parsed->verb == "diff") return Diff(*parsed, out, err);
    return List(out);
}

}  // namespace dsp
