#include "platform/net/service_advert.h"

#include <avahi-client/client.h>
#include <avahi-client/publish.h>
#include <avahi-common/alternative.h>
#include <avahi-common/malloc.h>
#include <avahi-common/thread-watch.h>

namespace dsp {

// The daemon's callbacks run on the poll thread; they touch only this state,
// which the owner reads no more once Start has returned.
struct ServiceAdvert::State {
    std::string name;
    std::string type;
    std::uint16_t port = 0;
    AvahiThreadedPoll* poll = nullptr;
    AvahiClient* client = nullptr;
    AvahiEntryGroup* group = nullptr;

    ~State() {
        if (poll) avahi_threaded_poll_stop(poll);
        if (client) avahi_client_free(client);  // frees the group with it
        if (poll) avahi_threaded_poll_free(poll);
    }

    void Publish(AvahiClient* c) {
        if (!group) group = avahi_entry_group_new(c, &State::GroupChanged, this);
        if (!group) return;
        avahi_entry_group_reset(group);
        if (avahi_entry_group_add_service(group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, AvahiPublishFlags(0),
                                          name.c_str(), type.c_str(), nullptr, nullptr, port, nullptr) == 0)
            avahi_entry_group_commit(group);
    }

    void Rename(AvahiClient* c) {
        char* other = avahi_alternative_service_name(name.c_str());
        name = other;
        avahi_free(other);
        Publish(c);
    }

    static void GroupChanged(AvahiEntryGroup* g, AvahiEntryGroupState state, void* data) {
        if (state == AVAHI_ENTRY_GROUP_COLLISION)
            static_cast<State*>(data)->Rename(avahi_entry_group_get_client(g));
    }

    // Also called from inside avahi_client_new, before `client` is set.
    static void ClientChanged(AvahiClient* c, AvahiClientState state, void* data) {
        auto* self = static_cast<State*>(data);
        if (state == AVAHI_CLIENT_S_RUNNING) self->Publish(c);
        if (state == AVAHI_CLIENT_S_COLLISION && self->group) avahi_entry_group_reset(self->group);
    }
};

ServiceAdvert::ServiceAdvert() = default;
ServiceAdvert::~ServiceAdvert() = default;

bool ServiceAdvert::Start(const std::string& name, const std::string& type, std::uint16_t port) {
    auto state = std::make_unique<State>();
    state->name = name;
    state->type = type;
    state->port = port;
    state->poll = avahi_threaded_poll_new();
    if (!state->poll) return false;
    int error = 0;
    state->client = avahi_client_new(avahi_threaded_poll_get(state->poll), AvahiClientFlags(0),
                                     &State::ClientChanged, state.get(), &error);
    if (!state->client || avahi_threaded_poll_start(state->poll) != 0) return false;
    state_ = std::move(state);
    return true;
}

}  // namespace dsp
