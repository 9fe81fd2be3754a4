#pragma once
// EComPort: the one exception of the serial port component. It carries the
// number of a fixed message (1..23) and, when a system call failed, that call's
// errno as SystemErrorCode (-1 when the error did not come from a system call).

#include <stdexcept>
#include <string>
#include <string_view>

namespace dsp {

// Message numbers, as the component raises them.
enum ComPortError : int {
    CE_OPEN_FAILED = 1,
    CE_WRITE_FAILED = 2,
    CE_READ_FAILED = 3,
    CE_INVALID_ASYNC = 4,
    CE_PURGE_FAILED = 5,
    CE_ASYNC_CHECK = 6,
    CE_SET_STATE_FAILED = 7,
    CE_TIMEOUTS_FAILED = 8,
    CE_SETUP_COM_FAILED = 9,
    CE_CLEAR_COM_FAILED = 10,
    CE_MODEM_STAT_FAILED = 11,
    CE_ESCAPE_COM_FAILED = 12,
    CE_TRANSMIT_FAILED = 13,
    CE_CONNECT_CHANGE_PROP = 14,
    CE_ENUM_PORTS_FAILED = 15,
    CE_STORE_FAILED = 16,
    CE_LOAD_FAILED = 17,
    CE_REG_FAILED = 18,
    CE_LED_STATE_FAILED = 19,
    CE_THREAD_CREATED = 20,
    CE_WAIT_FAILED = 21,
    CE_HAS_LINK = 22,
    CE_REG_ERROR = 23,
};

inline constexpr int kComPortMessageCount = 23;

class EComPort : public std::runtime_error {
  public:
    // After a failed system call: the message gets the code suffix.
    EComPort(int errorNumber, int systemErrorCode);
    // Without a system call: the table text as it stands, SystemErrorCode -1.
    explicit EComPort(int errorNumber);

    int ErrorNumber() const { return errorNumber_; }
    int SystemErrorCode() const { return systemErrorCode_; }

  private:
    int systemErrorCode_;
    int errorNumber_;
};

// The message table, 1..23. It starts with the English texts; start-up passes
// them through the translation runtime (see serial/ecomport_messages.h).
std::string ComPortMessage(int errorNumber);
std::string_view ComPortEnglishMessage(int errorNumber);
void SetComPortMessage(int errorNumber, std::string text);

// Builds "<table text><suffix>" where only the system code is formatted into
// the suffix's "%d". The table text is never used as a format, so a translated
// text containing "%" shows as written.
std::string FormatComPortMessage(std::string_view tableText, std::string_view suffix, int systemErrorCode);

}  // namespace dsp
