#include "serial/com_event_map.h"

#include "platform/serialdev/serial_device.h"

namespace dsp {
namespace {

struct ComErrorRow {
    std::uint32_t flag;
    TComError error;
};

constexpr std::array<ComErrorRow, 8> kComErrorTable = {{
    {line_error::kFrame, ceFrame},
    {line_error::kRxParity, ceRxParity},
    {line_error::kOverrun, ceOverrun},
    {line_error::kBreak, ceBreak},
    {line_error::kIo, ceIO},
    {line_error::kMode, ceMode},
    {line_error::kRxOver, ceRxOver},
    {line_error::kTxFull, ceTxFull},
}};

struct ModemRow {
    std::uint32_t status;
    TModemLine line;
};

constexpr std::array<ModemRow, 4> kModemTable = {{
    {modem_status::kCts, mlCTS},
    {modem_status::kDsr, mlDSR},
    {modem_status::kRing, mlRing},
    {modem_status::kRlsd, mlRLSD},
}};

} // namespace

const std::array<ComEventRow, 10> kComEventTable = {{
    {evRxChar, serial_event::kRxChar},
    {evTxEmpty, serial_event::kTxEmpty},
    {evRxFlag, serial_event::kRxFlag},
    {evRing, serial_event::kRing},
    {evBreak, serial_event::kBreak},
    {evCTS, serial_event::kCts},
    {evDSR, serial_event::kDsr},
    {evError, serial_event::kErr},
    {evRLSD, serial_event::kRlsd},
    {evRx80Full, serial_event::kRx80Full},
}};

const std::array<TComEvent, 10> kComEventHandlingOrder = {
    evError, evRxChar, evTxEmpty, evBreak, evRing, evCTS, evDSR, evRxFlag, evRLSD, evRx80Full,
};

std::uint32_t EventsToMask(TComEvents events) {
    std::uint32_t mask = 0;
    for (const ComEventRow& row : kComEventTable)
        if (events.Contains(row.event)) mask |= row.maskBit;
    return mask;
}

TComEvents MaskToEvents(std::uint32_t mask) {
    TComEvents events;
    for (const ComEventRow& row : kComEventTable)
        if (mask & row.maskBit) events.Include(row.event);
    return events;
}

bool EventForCode(std::uint32_t code, TComEvent* event) {
    for (const ComEventRow& row : kComEventTable) {
        if (row.maskBit == code) {
            *event = row.event;
            return true;
        }
    }
    return false;
}

TComErrors LineErrorsToComErrors(std::uint32_t flags, bool parityCheck) {
    TComErrors errors;
    for (const ComErrorRow& row : kComErrorTable) {
        if (row.error == ceRxParity && !parityCheck) continue;
        if (flags & row.flag) errors.Include(row.error);
    }
    return errors;
}

TModemLines ModemStatusToLines(std::uint32_t status) {
    TModemLines lines;
    for (const ModemRow& row : kModemTable)
        if (status & row.status) lines.Include(row.line);
    return lines;
}

} // namespace dsp
