#pragma once
// Advertising a service on the local network through the avahi daemon, so
// control surfaces find the panel without an address typed in. Where no
// daemon runs (or the system bus is missing) nothing happens and nothing is
// printed: advertising is a convenience, never a condition.

#include <cstdint>
#include <memory>
#include <string>

namespace dsp {

class ServiceAdvert {
  public:
    ServiceAdvert();
    ~ServiceAdvert();
    ServiceAdvert(const ServiceAdvert&) = delete;
    ServiceAdvert& operator=(const ServiceAdvert&) = delete;

    // Starts advertising a service of `type` ("_osc._udp") named `name` on
    // `port`, on every interface; a name taken on the network is replaced by
    // the daemon's alternative ("dsp-panel #2"). False when no daemon answers.
    bool Start(const std::string& name, const std::string& type, std::uint16_t port);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace dsp
