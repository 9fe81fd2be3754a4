#include "serial/ecomport_messages.h"

#include "i18n/gettext_instance.h"
#include "serial/ecomport.h"

namespace dsp {

void InitComPortMessages(TGettextInstance& instance) {
    instance.AddDomainForResourceString("cport");
    for (int number = 1; number <= kComPortMessageCount; ++number)
        SetComPortMessage(number, instance.Translate(ComPortEnglishMessage(number)));
}

void InitComPortMessages() { InitComPortMessages(DefaultInstance()); }

}  // namespace dsp
