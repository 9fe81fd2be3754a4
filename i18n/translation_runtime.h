#pragma once
// Start-up and shutdown of the translation runtime's default instance.

namespace dsp {

// Remembers the executable's path, builds the embedded catalog index, sets up
// the default instance (language, base directory, domain "default") and routes
// resource strings through it. Catalogs are opened later, at first use.
void StartTranslationRuntime();

// Stops routing resource strings and drops every domain and its catalog.
void StopTranslationRuntime();

}  // namespace dsp
