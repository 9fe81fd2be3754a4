#include "serial/ecomport.h"

#include <array>
#include <mutex>
#include <shared_mutex>

#include "i18n/catalog_error.h"
#include "i18n/resource_strings.h"

namespace dsp {
namespace {

constexpr std::array<std::string_view, kComPortMessageCount> kEnglish = {
    "Unable to open com port",
    "WriteFile function failed",
    "ReadFile function failed",
    "Invalid Async parameter",
    "PurgeComm function failed",
    "Unable to get async status",
    "SetCommState function failed",
    "SetCommTimeouts failed",
    "SetupComm function failed",
    "ClearCommError function failed",
    "GetCommModemStatus function failed",
    "EscapeCommFunction function failed",
    "TransmitCommChar function failed",
    "Cannot set property while connected",
    "EnumPorts function failed",
    "Failed to store settings",
    "Failed to load settings",
    "Link (un)registration failed",
    "Cannot change led state if ComPort is selected",
    "Cannot wait for event if event thread is created",
    "WaitForEvent method failed",
    "A component is linked to OnRxBuf event",
    "Registry error",
};

// The table is written once at start-up and read by every raise, possibly from
// the monitoring thread, hence the lock.
struct MessageTable {
    std::shared_mutex lock;
    std::array<std::string, kComPortMessageCount> texts;
    MessageTable() {
        for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = kEnglish[i];
    }
};

MessageTable& Table() {
    static MessageTable table;
    return table;
}

bool InRange(int errorNumber) { return errorNumber >= 1 && errorNumber <= kComPortMessageCount; }

// The suffix is a resource string, translated anew for every exception. A
// catalog that fails here must not replace the serial error being raised, so
// the English suffix stands in.
std::string CodeSuffix() {
    try {
        return LoadResString(ResString::kComPortCodeSuffix);
    } catch (const ECatalogError&) {
        return std::string(ResStringText(ResString::kComPortCodeSuffix));
    }
}

}  // namespace

std::string ComPortMessage(int errorNumber) {
    if (!InRange(errorNumber)) return {};
    std::shared_lock guard(Table().lock);
    return Table().texts[static_cast<std::size_t>(errorNumber - 1)];
}

std::string_view ComPortEnglishMessage(int errorNumber) {
    return InRange(errorNumber) ? kEnglish[static_cast<std::size_t>(errorNumber - 1)] : std::string_view();
}

void SetComPortMessage(int errorNumber, std::string text) {
    if (!InRange(errorNumber)) return;
    std::unique_lock guard(Table().lock);
    Table().texts[static_cast<std::size_t>(errorNumber - 1)] = std::move(text);
}

std::string FormatComPortMessage(std::string_view tableText, std::string_view suffix, int systemErrorCode) {
    std::string message(tableText);
    bool codePlaced = false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        if (suffix[i] == '%' && i + 1 < suffix.size() && suffix[i + 1] == '%') {
            message += '%';
            ++i;
        } else if (!codePlaced && suffix.substr(i, 2) == "%d") {
            message += std::to_string(systemErrorCode);
            codePlaced = true;
            ++i;
        } else {
            message += suffix[i];
        }
    }
    return message;
}

EComPort::EComPort(int errorNumber, int systemErrorCode)
    : std::runtime_error(FormatComPortMessage(ComPortMessage(errorNumber), CodeSuffix(), systemErrorCode)),
      systemErrorCode_(systemErrorCode),
      errorNumber_(errorNumber) {}

EComPort::EComPort(int errorNumber)
    : std::runtime_error(ComPortMessage(errorNumber)), systemErrorCode_(-1), errorNumber_(errorNumber) {}

}  // namespace dsp
