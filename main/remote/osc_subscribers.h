#pragma once
// The surfaces that follow the panel: each subscription is a lease of ten
// seconds, renewed by subscribing again. Every change goes to every live
// subscriber except its author, as `/dsp/<name> ,i VALUE` (and
// `/dsp/<name>/norm ,f POSITION` for those that asked for it). Changes of
// one parameter reach one subscriber at most 50 times a second: within 20 ms
// of the last one sent, a change waits, replaced by any later one, and goes
// when its turn comes, so a fast fader does not flood a Wi-Fi link.
//
// Pure logic: time comes in as an argument, messages go out into a list.

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "main/protocol/command_table.h"
#include "main/remote/osc_message.h"
#include "platform/framework/clock.h"
#include "platform/net/udp_socket.h"

namespace dsp {

struct OscDelivery {
    UdpEndpoint to;
    OscMessage message;
};

// The client number a change made by a packet from `endpoint` carries on the
// change bus; bit 48 keeps it clear of 0 ("no client").
std::uint64_t OscClientId(const UdpEndpoint& endpoint);

class OscSubscribers {
  public:
    static constexpr TimeMs kLeaseMs = 10000;
    static constexpr TimeMs kMinGapMs = 20;
    static constexpr std::size_t kMaxSubscribers = 16;

    // Subscribes `from`, answering to `replyTo`, or renews its lease. False
    // (nothing changed) when every place is taken.
    bool Subscribe(const UdpEndpoint& from, const UdpEndpoint& replyTo, bool norm, TimeMs now);
    // A change of `row` to `value` by `client` (0: no remote client).
    void Change(const CommandRow& row, int value, std::uint64_t client, TimeMs now,
                std::vector<OscDelivery>& out);
    // Sends the waiting changes whose turn has come.
    void Flush(TimeMs now, std::vector<OscDelivery>& out);
    // When the next waiting change is due, if one waits.
    std::optional<TimeMs> NextDue() const;
    // Live subscribers (leases that have not run out by `now`).
    std::size_t Count(TimeMs now);

  private:
    struct Slot {
        const CommandRow* row = nullptr;
        std::optional<TimeMs> lastSent;
        std::optional<int> waiting;
    };
    struct Subscriber {
        UdpEndpoint from;
        UdpEndpoint replyTo;
        bool norm = false;
        TimeMs leaseEnd = 0;
        std::map<std::uint8_t, Slot> slots;  // by command code
    };

    void Expire(TimeMs now);
    static void Deliver(const Subscriber& subscriber, const CommandRow& row, int value,
                        std::vector<OscDelivery>& out);

    std::vector<Subscriber> subscribers_;
};

}  // namespace dsp
