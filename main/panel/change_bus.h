#pragma once
// Every change of a parameter, from whichever side made it (the window, the
// headless driver, a scene, a remote surface), told once to everyone who
// follows the panel's state. Changes are published on the window's thread
// only, after the frame went out (or, with the port closed, after the control
// moved), so a listener sees the window as it now stands.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace dsp {

struct CommandRow;

enum class ChangeSource { Window, Headless, Scene, Osc, Web };

struct ParamChange {
    const CommandRow* row;
    int value;  // the value on the wire: the item index for list parameters
    ChangeSource source;
    // The remote client that made the change, 0 for none: a remote surface
    // need not echo a change back to its author.
    std::uint64_t client;
};

class ChangeBus {
  public:
    using Listener = std::function<void(const ParamChange&)>;

    // Ends the subscription when it goes; it may outlive the bus.
    class Subscription {
      public:
        Subscription() = default;
        Subscription(Subscription&& other) noexcept;
        Subscription& operator=(Subscription&& other) noexcept;
        ~Subscription() { Reset(); }
        void Reset();

      private:
        friend class ChangeBus;
        struct State;
        Subscription(std::weak_ptr<State> state, std::uint64_t id) : state_(std::move(state)), id_(id) {}
        std::weak_ptr<State> state_;
        std::uint64_t id_ = 0;
    };

    ChangeBus();
    [[nodiscard]] Subscription Subscribe(Listener listener);
    // Listeners that subscribe while a change is published hear the next
    // one; one that unsubscribes is not called again, not even for this one.
    void Publish(const ParamChange& change) const;

  private:
    std::shared_ptr<Subscription::State> state_;
};

}  // namespace dsp
