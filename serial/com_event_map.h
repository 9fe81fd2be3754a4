#pragma once
// The tables between the component's sets and the device's words: line
// events (both directions; also the message codes of window delivery), line
// errors and modem lines, and the order in which a batch of events is handled.

#include <array>
#include <cstdint>

#include "serial/com_types.h"

namespace dsp {

struct ComEventRow {
    TComEvent event;
    std::uint32_t maskBit; // also the code of the window-delivery message
};

// In ordinal order.
extern const std::array<ComEventRow, 10> kComEventTable;

// Handling order of one batch: errors first, then received characters, ...
extern const std::array<TComEvent, 10> kComEventHandlingOrder;

std::uint32_t EventsToMask(TComEvents events);
// Bits not in the table are ignored.
TComEvents MaskToEvents(std::uint32_t mask);
// The event of one message code; false for a code the table does not know.
bool EventForCode(std::uint32_t code, TComEvent* event);

// The device's error word as TComErrors; a parity error counts only when the
// port checks parity.
TComErrors LineErrorsToComErrors(std::uint32_t flags, bool parityCheck);

TModemLines ModemStatusToLines(std::uint32_t status);

} // namespace dsp
