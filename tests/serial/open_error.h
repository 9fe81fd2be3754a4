#pragma once
// Opening a port that should refuse: the error number and system code it
// raised, 0 when it opened, -1 when it raised but still says it is connected.

#include <string>

#include "serial/com_port.h"
#include "serial/ecomport.h"

namespace dsp::test {

inline int OpenError(const std::string& name, int* systemCode) {
    TComPort port;
    port.SetPort(name);
    try {
        port.OpenPort();
    } catch (const EComPort& e) {
        *systemCode = e.SystemErrorCode();
        return port.Connected() ? -1 : e.ErrorNumber();
    }
    return 0;
}

}  // namespace dsp::test
