#include "main/panel/change_bus.h"

#include <utility>
#include <vector>

namespace dsp {

struct ChangeBus::Subscription::State {
    std::map<std::uint64_t, std::shared_ptr<const Listener>> listeners;
    std::uint64_t next = 1;
};

ChangeBus::Subscription::Subscription(Subscription&& other) noexcept
    : state_(std::move(other.state_)), id_(std::exchange(other.id_, 0)) {}

ChangeBus::Subscription& ChangeBus::Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        Reset();
        state_ = std::move(other.state_);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

void ChangeBus::Subscription::Reset() {
    if (auto state = state_.lock()) state->listeners.erase(id_);
    state_.reset();
    id_ = 0;
}

ChangeBus::ChangeBus() : state_(std::make_shared<Subscription::State>()) {}

ChangeBus::Subscription ChangeBus::Subscribe(Listener listener) {
    const std::uint64_t id = state_->next++;
    state_->listeners.emplace(id, std::make_shared<const Listener>(std::move(listener)));
    return Subscription(state_, id);
}

void ChangeBus::Publish(const ParamChange& change) const {
    // A listener may subscribe or unsubscribe others (or itself) while it
    // runs: walk a copy, and skip whoever left meanwhile.
    const std::vector<std::pair<std::uint64_t, std::shared_ptr<const Listener>>> listeners(
        state_->listeners.begin(), state_->listeners.end());
    for (const auto& [id, listener] : listeners)
        if (state_->listeners.contains(id)) (*listener)(change);
}

}  // namespace dsp
