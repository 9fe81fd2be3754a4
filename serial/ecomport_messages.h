#pragma once
// Start-up of the serial messages: adds the text domain "cport" to the domains
// searched for resource strings and passes each of the 23 English messages, in
// order, through the translate operation into the message table.

namespace dsp {

class TGettextInstance;

void InitComPortMessages(TGettextInstance& instance);
// The same with the program's default instance.
void InitComPortMessages();

}  // namespace dsp
