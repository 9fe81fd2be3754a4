#include "platform/net/service_advert.h"

// Windows has no avahi daemon to ask, and the surface works without an
// advert (its address is given by hand): Start never advertises, as on a
// Linux machine where no daemon runs.

namespace dsp {

struct ServiceAdvert::State {};

ServiceAdvert::ServiceAdvert() = default;
ServiceAdvert::~ServiceAdvert() = default;

bool ServiceAdvert::Start(const std::string&, const std::string&, std::uint16_t) { return false; }

}  // namespace dsp
