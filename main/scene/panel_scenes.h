#pragma once
// Scenes in the running panel: saving the panel as a scene, applying one by
// moving the controls through the parameter table (so each frame comes from
// the control's own handler, with its clamps and ceilings), undo of the last
// apply, A/B between the state before it and the scene, the last state kept
// in last.scene, the unit's own memories recorded as memory-N.scene, and a
// resync of the whole state after a connect.

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "main/panel/change_bus.h"
#include "main/scene/apply_plan.h"
#include "main/scene/scene.h"
#include "main/scene/scene_file.h"

namespace dsp {

class ParamTable;
class TCustomComPort;

class PanelScenes {
  public:
    struct Options {
        std::string folder;                   // scene.conf, last.scene and memory-N.scene live here
        bool followMemories = false;          // --follow-memories
        std::ostream* diagnostics = nullptr;  // where a memory without a record is told
    };

    PanelScenes(ParamTable& table, ChangeBus& bus, Options options);
    ~PanelScenes();
    PanelScenes(const PanelScenes&) = delete;
    PanelScenes& operator=(const PanelScenes&) = delete;

    // The panel's state: every parameter with a value (a selector group whose
    // choice the window shows no more keeps the last one made).
    Scene Current() const;

    // 0 or the errno of the write.
    int Save(const std::string& path) const;
    // Reads and applies a scene file, leaving out the parameters of
    // scene.conf; the one-line error when the scene or scene.conf is bad
    // (nothing moves then).
    std::optional<std::string> ApplyFile(const std::string& path);
    // Sets the controls in the safe order, leaving out `safe`; the state
    // before is kept for Undo and A/B.
    void Apply(const Scene& scene, const ParamSet& safe = {});
    // Back to the state before the last apply; false when there is none.
    bool Undo();
    bool CanUndo() const { return beforeApply_.has_value(); }
    bool CanFlip() const { return applied_.has_value(); }
    // Flips between the state before the last apply and that scene (what the
    // panel shows now becomes the other side); false before any apply.
    bool Flip();
    // The controls at `scene` without a frame (a stored state, the unit's own memory).
    void SetQuietly(const Scene& scene);
    // Reads last.scene into the controls without sending; false when none was read.
    bool Restore();
    // Sends the whole state in the safe order (after a connect).
    void Resync();
    // Hooks Resync to every open of `port` (with --resync).
    void WatchConnects(TCustomComPort& port);

    // Writes last.scene now if a change is waiting for it.
    void FlushLastState();
    std::string LastStatePath() const { return options_.folder + "/last.scene"; }
    std::string MemoryPath(int memory) const;

  private:
    class Timer;
    void Changed(const ParamChange& change);
    void Run(const std::vector<PlannedFrame>& plan);
    void MemoryAction(const CommandRow& row, int memory);
    void Write(const std::string& path) const;

    ParamTable& table_;
    Options options_;
    Scene known_;                       // every value the bus told, for groups the window stops showing
    std::optional<Scene> beforeApply_;  // for Undo
    std::optional<Scene> applied_;      // the last applied scene (side B)
    std::optional<Scene> sideA_;        // what the panel showed before a flip to B
    bool onSideB_ = false;
    bool dirty_ = false;
    std::unique_ptr<Timer> timer_;
    ChangeBus::Subscription subscription_;
};

}  // namespace dsp
