#pragma once
// The registry store's error texts are resource strings: at start-up each one
// is loaded through the translation runtime and handed to the store, so a
// catalog in any resource-string domain translates them.

namespace dsp {

// Raises ECatalogError when a catalog that was found cannot be used; the
// texts not yet translated then stay English.
void InitRegistryMessages();

}  // namespace dsp
