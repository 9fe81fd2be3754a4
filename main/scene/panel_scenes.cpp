#include "main/scene/panel_scenes.h"

#include <ostream>

#include "main/panel/param_table.h"
#include "platform/framework/application.h"
#include "platform/framework/control.h"
#include "platform/framework/messages.h"
#include "platform/sys/mapped_file.h"
#include "serial/custom_com_port.h"

namespace dsp {
namespace {

// last.scene is written at most this often, however fast the controls move.
constexpr std::uint32_t kLastStateDelayMs = 250;
constexpr std::uint32_t kLastStateTimer = 1;
// Posted when the port opened: the resync runs once the connect is done.
constexpr std::uint32_t kWmResync = kWmUser + 0x1C5;

}  // namespace

// The scenes' hold on the one scheduler and the message queue: a control of
// no window, so it shows nowhere.
class PanelScenes::Timer final : public TControl {
  public:
    explicit Timer(PanelScenes& scenes) : TControl(nullptr), scenes_(scenes) {}

  protected:
    void TimerFired(std::uint32_t id) override {
        if (id == kLastStateTimer) scenes_.FlushLastState();
    }
    void WndProc(TMessage& message) override {
        if (message.Msg == kWmResync) return scenes_.Resync();
        TControl::WndProc(message);
    }

  private:
    PanelScenes& scenes_;
};

PanelScenes::PanelScenes(ParamTable& table, ChangeBus& bus, Options options)
    : table_(table), options_(std::move(options)), timer_(std::make_unique<Timer>(*this)) {
    known_ = Current();
    subscription_ = bus.Subscribe([this](const ParamChange& change) { Changed(change); });
}

PanelScenes::~PanelScenes() {
    subscription_.Reset();
    FlushLastState();
}

Scene PanelScenes::Current() const {
    Scene scene = known_;
    for (const ParamTable::Param& param : table_.Params())
        if (IsSceneParameter(*param.row))
            if (std::optional<int> value = param.read()) scene.Set(*param.row, *value);
    return scene;
}

int PanelScenes::Save(const std::string& path) const { return SaveSceneFile(path, Current()); }

std::string PanelScenes::MemoryPath(int memory) const {
    return options_.folder + "/memory-" + std::to_string(memory) + ".scene";
}

std::optional<std::string> PanelScenes::ApplyFile(const std::string& path) {
    SceneConfLoad conf = LoadSceneConf(options_.folder + "/scene.conf");
    if (!conf.conf) return conf.error;
    SceneLoad load = LoadSceneFile(path);
    if (!load.scene) return load.error.Message();
    Apply(*load.scene, conf.conf->safe);
    return std::nullopt;
}

void PanelScenes::Apply(const Scene& scene, const ParamSet& safe) {
    beforeApply_ = Current();
    sideA_ = beforeApply_;
    Scene kept = scene;
    for (const SceneSetting& s : scene.Settings())
        if (Contains(safe, *s.row)) kept.Remove(*s.row);
    applied_ = kept;
    onSideB_ = true;
    Run(PlanApply(kept, {}, ApplyOrder::Safe));
}

bool PanelScenes::Undo() {
    if (!beforeApply_) return false;
    const Scene before = *beforeApply_;
    beforeApply_.reset();
    onSideB_ = false;
    Run(PlanApply(before, {}, ApplyOrder::Safe));
    return true;
}

bool PanelScenes::Flip() {
    if (!applied_) return false;
    const Scene now = Current();
    const Scene target = onSideB_ ? *sideA_ : *applied_;
    if (!onSideB_) sideA_ = now;
    onSideB_ = !onSideB_;
    Run(PlanApply(target, {}, ApplyOrder::Safe));
    return true;
}

// A value the control already holds would not move it, so its handler runs
// for it directly: an apply sends every frame of its plan.
void PanelScenes::Run(const std::vector<PlannedFrame>& plan) {
    for (const PlannedFrame& f : plan) {
        if (table_.Value(*f.row) == f.value)
            table_.Resend(*f.row, ChangeSource::Scene);
        else
            table_.Set(*f.row, f.value, ChangeSource::Scene);
    }
}

void PanelScenes::SetQuietly(const Scene& scene) {
    for (const SceneSetting& s : scene.Settings()) table_.SetQuietly(*s.row, s.value, ChangeSource::Scene);
}

bool PanelScenes::Restore() {
    SceneLoad load = LoadSceneFile(LastStatePath());
    if (!load.scene) {
        if (options_.diagnostics)
            *options_.diagnostics << "dsp-panel: --restore: " << load.error.Message() << '\n';
        return false;
    }
    SetQuietly(*load.scene);
    return true;
}

void PanelScenes::Resync() { Run(PlanApply(Current(), {}, ApplyOrder::Safe)); }

void PanelScenes::WatchConnects(TCustomComPort& port) {
    auto before = port.OnAfterOpen;
    port.OnAfterOpen = [this, before](TCustomComPort* sender) {
        if (before) before(sender);
        if (Application) Application->PostMessage(timer_.get(), kWmResync);
    };
}

void PanelScenes::Write(const std::string& path) const {
    if (const int rc = Save(path); rc != 0 && options_.diagnostics)
        *options_.diagnostics << "dsp-panel: cannot write " << path << ": " << SystemErrorText(rc) << '\n';
}

void PanelScenes::Changed(const ParamChange& change) {
    if (!IsSceneParameter(*change.row)) return MemoryAction(*change.row, change.value);
    known_.Set(*change.row, change.value);
    // The first change of a quiet spell starts the wait; later ones ride on
    // it, so a long drag still writes every quarter second.
    if (!dirty_) timer_->SetTimer(kLastStateTimer, kLastStateDelayMs);
    dirty_ = true;
}

void PanelScenes::FlushLastState() {
    timer_->KillTimer(kLastStateTimer);
    if (!dirty_) return;
    dirty_ = false;
    Write(LastStatePath());
}

// "save" N: the unit stores what the panel shows, so the panel keeps a copy.
// "load" N: the unit restores itself; with --follow-memories the controls
// follow it from that copy, without a frame.
void PanelScenes::MemoryAction(const CommandRow& row, int memory) {
    if (row.name == "SAVE") return Write(MemoryPath(memory));
    if (!options_.followMemories) return;
    SceneLoad load = LoadSceneFile(MemoryPath(memory));
    if (load.scene)
        SetQuietly(*load.scene);
    else if (options_.diagnostics)
        *options_.diagnostics << "dsp-panel: memory " << memory << " has no record here ("
                              << load.error.Message() << "); the controls stay as they are\n";
}

}  // namespace dsp
