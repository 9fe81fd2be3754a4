#include "i18n/translation_runtime.h"

#include "i18n/embedded_catalog_index.h"
#include "i18n/gettext_instance.h"
#include "platform/sys/process_env.h"

namespace dsp {

void StartTranslationRuntime() {
    CatalogSources sources;
    // Without the executable's path there is no program directory: the runtime
    // then finds no catalogs and passes every text through unchanged.
    if (ExecutablePath(sources.executablePath) != 0) sources.executablePath.clear();
    sources.embedded = TEmbeddedCatalogIndex::Load(sources.executablePath, EmbeddedFirstHeaderOffset());
    TGettextInstance& instance = DefaultInstance();
    instance.Setup(std::move(sources));
    instance.RedirectResourceStrings(true);
}

void StopTranslationRuntime() {
    TGettextInstance& instance = DefaultInstance();
    instance.RedirectResourceStrings(false);
    instance.Setup(CatalogSources{});
}

}  // namespace dsp
