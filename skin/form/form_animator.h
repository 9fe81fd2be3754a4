#pragma once
// The skinned frame's timed work on one window timer: the hover poll, the
// frame objects' fades, the caption's animation frames and the window's
// fade-in. Each is a track with its own pace; the one timer is always set
// to the moment the next track is due, so every track steps exactly when a
// timer of its own would have fired.

#include <array>
#include <cstdint>
#include <functional>

#include "platform/framework/clock.h"

namespace dsp {

class TControl;

// Tracks due at the same moment step in this order.
enum class FrameTrack { Hover, Morph, Caption, Fade };

class FormAnimator {
  public:
    // One step of a track; false ends the track.
    using Step = std::function<bool()>;

    FormAnimator(TControl& owner, uint32_t timerId) : owner_(owner), timerId_(timerId) {}

    // Starts a track, first step one interval from now. A running track
    // keeps its pace.
    void Start(FrameTrack track, uint32_t intervalMs, Step step);
    void Stop(FrameTrack track);
    void StopAll();
    bool Running(FrameTrack track) const { return Slot(track).step != nullptr; }

    uint32_t TimerId() const { return timerId_; }
    // The timer fired: every track that is due steps.
    void Tick();

  private:
    struct Track {
        Step step;
        uint32_t interval = 0;
        TimeMs due = 0;
    };
    Track& Slot(FrameTrack track) { return tracks_[static_cast<std::size_t>(track)]; }
    const Track& Slot(FrameTrack track) const { return tracks_[static_cast<std::size_t>(track)]; }
    void Reschedule();

    TControl& owner_;
    uint32_t timerId_;
    std::array<Track, 4> tracks_;
};

}  // namespace dsp
