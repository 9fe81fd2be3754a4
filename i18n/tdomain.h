#pragma once
// TDomain: one text domain and its catalog for the current language. The
// catalog is found and mapped at the first lookup; when none exists the domain
// remembers that and every lookup returns its input without touching the disk
// again. Changing the language or directory closes the catalog so the next
// lookup looks again.
//
// Lookups take no lock once the domain has been opened: they read the catalog
// through an atomic pointer. A closed catalog stays mapped until the domain
// goes away, so a lookup that began before the close never reads unmapped
// memory; languages change only a handful of times in a run.

#include <atomic>
#include <memory>
#include <optional>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/embedded_catalog_index.h"
#include "i18n/mo_catalog.h"
#include "platform/sys/mapped_file.h"

namespace dsp {

// Where catalogs may come from; owned by the instance, outlives its domains.
struct CatalogSources {
    std::string executablePath;
    std::string programDirectory;  // with a trailing "/"
    TEmbeddedCatalogIndex embedded;
};

class TDomain {
  public:
    TDomain(std::string name, std::string directory, std::string language, const CatalogSources& sources);
    TDomain(const TDomain&) = delete;
    TDomain& operator=(const TDomain&) = delete;

    const std::string& Name() const { return name_; }

    // The translation of `text` (the lookup key as it stands), or nothing.
    // Opens the catalog on first use; ECatalogError when a found catalog
    // cannot be used.
    std::optional<std::string> Find(std::string_view text);

    // Closes the catalog; the next lookup searches again.
    void SetLanguage(std::string language);
    void SetDirectory(std::string directory);

    // How often the catalog was searched for and opened: once per language
    // and directory, whether or not one was found.
    int OpenAttempts() const { return openAttempts_.load(); }
    bool IsOpen() const;

  private:
    enum class State { kUntried, kNoCatalog, kOpen };
    struct OpenCatalog {
        MappedFile file;
        MoCatalog catalog;
    };
    struct Located {
        std::string path;
        bool embedded = false;
        TEmbeddedCatalogIndex::Entry entry;
    };

    std::string CatalogPath(std::string_view language) const;
    std::optional<Located> Locate(const std::string& path) const;
    void OpenLocked();
    std::unique_ptr<OpenCatalog> Map(const Located& found) const;
    void CloseLocked();

    const std::string name_;
    std::string directory_;
    std::string language_;
    const CatalogSources& sources_;

    mutable std::shared_mutex lock_;  // guards opening, closing and the fields above
    std::atomic<State> state_{State::kUntried};
    std::atomic<const OpenCatalog*> current_{nullptr};
    std::vector<std::unique_ptr<OpenCatalog>> mapped_;  // every catalog mapped so far
    std::atomic<int> openAttempts_{0};
};

}  // namespace dsp
