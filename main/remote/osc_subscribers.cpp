#include "main/remote/osc_subscribers.h"

#include <algorithm>

#include "main/remote/osc_params.h"

namespace dsp {

std::uint64_t OscClientId(const UdpEndpoint& endpoint) {
    return std::uint64_t{1} << 48 | std::uint64_t{endpoint.address} << 16 | endpoint.port;
}

bool OscSubscribers::Subscribe(const UdpEndpoint& from, const UdpEndpoint& replyTo, bool norm, TimeMs now) {
    Expire(now);
    auto it = std::ranges::find(subscribers_, replyTo, &Subscriber::replyTo);
    if (it == subscribers_.end()) {
        if (subscribers_.size() >= kMaxSubscribers) return false;
        it = subscribers_.emplace(subscribers_.end());
        it->replyTo = replyTo;
    }
    it->from = from;
    it->norm = norm;
    it->leaseEnd = now + kLeaseMs;
    return true;
}

void OscSubscribers::Change(const CommandRow& row, int value, std::uint64_t client, TimeMs now,
                            std::vector<OscDelivery>& out) {
    Expire(now);
    for (Subscriber& subscriber : subscribers_) {
        // The author hears nothing back, whichever of its ports it used.
        if (client != 0 &&
            (client == OscClientId(subscriber.from) || client == OscClientId(subscriber.replyTo)))
            continue;
        Slot& slot = subscriber.slots[row.code];
        slot.row = &row;
        if (slot.lastSent && now - *slot.lastSent < kMinGapMs) {
            slot.waiting = value;
            continue;
        }
        slot.lastSent = now;
        slot.waiting.reset();
        Deliver(subscriber, row, value, out);
    }
}

void OscSubscribers::Flush(TimeMs now, std::vector<OscDelivery>& out) {
    Expire(now);
    for (Subscriber& subscriber : subscribers_)
        for (auto& [code, slot] : subscriber.slots) {
            if (!slot.waiting || now - *slot.lastSent < kMinGapMs) continue;
            Deliver(subscriber, *slot.row, *slot.waiting, out);
            slot.lastSent = now;
            slot.waiting.reset();
        }
}

std::optional<TimeMs> OscSubscribers::NextDue() const {
    std::optional<TimeMs> due;
    for (const Subscriber& subscriber : subscribers_)
        for (const auto& [code, slot] : subscriber.slots)
            if (slot.waiting)
                due = std::min(due.value_or(*slot.lastSent + kMinGapMs), *slot.lastSent + kMinGapMs);
    return due;
}

std::size_t OscSubscribers::Count(TimeMs now) {
    Expire(now);
    return subscribers_.size();
}

void OscSubscribers::Expire(TimeMs now) {
    std::erase_if(subscribers_, [now](const Subscriber& s) { return s.leaseEnd <= now; });
}

void OscSubscribers::Deliver(const Subscriber& subscriber, const CommandRow& row, int value,
                             std::vector<OscDelivery>& out) {
    const std::string address = OscAddress(row);
    out.push_back({subscriber.replyTo, {address, {value}}});
    if (subscriber.norm) out.push_back({subscriber.replyTo, {address + "/norm", {OscNorm(row, value)}}});
}

}  // namespace dsp
