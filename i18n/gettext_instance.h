#pragma once
// TGettextInstance: the translation runtime. It keeps the language, the
// catalog base directory, the current domain ("default"), the text domains
// with their catalogs, and the ordered list of domains searched for resource
// strings ("default", then what modules add). The program has one default
// instance; tests make their own.
//
// Texts are UTF-8 throughout. Lookups may come from any thread: the domain
// table and the resource-string domain list each have a reader/writer lock,
// and every domain guards its own catalog.

#include <atomic>
#include <map>
#include <memory>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/tdomain.h"

namespace dsp {

class TGettextInstance {
  public:
    TGettextInstance();
    TGettextInstance(const TGettextInstance&) = delete;
    TGettextInstance& operator=(const TGettextInstance&) = delete;

    // Starts over for the executable at `sources.executablePath`: drops every
    // domain, makes "default" the one resource-string domain, sets the base
    // directory to the program's directory + "locale", detects the language,
    // binds "default" to the base directory and makes it the current domain.
    // Not to be called while other threads translate.
    void Setup(CatalogSources sources);

    bool Enabled() const { return enabled_.load(); }
    void SetEnabled(bool enabled) { enabled_.store(enabled); }

    std::string TextDomain() const;
    void SetTextDomain(std::string_view domain);

    std::string Language() const;
    // Sets the language of every domain, closing their catalogs; an empty
    // name means: detect it. The name is cut at its first ".".
    void UseLanguage(std::string_view language);

    std::string BaseDirectory() const;
    // Catalogs of `domain` are looked for under `directory`.
    void BindTextDomain(std::string_view domain, std::string_view directory);

    // The translation of `text` in `domain`, or `text` itself.
    std::string LookupInDomain(std::string_view domain, std::string_view text);

    // The translate operation: `text` in the current domain, looked up without
    // carriage returns and returned with them. Unchanged when disabled.
    std::string Translate(std::string_view text);

    // Resource strings: searched in each listed domain in order, the first
    // domain that translates the text wins.
    void AddDomainForResourceString(std::string_view domain);
    std::vector<std::string> ResourceStringDomains() const;
    std::string TranslateResourceString(std::string_view text);

    // Whether resource strings are routed through this instance at all; the
    // start-up turns it on, shutdown off.
    bool ResourceStringsRedirected() const { return redirected_.load(); }
    void RedirectResourceStrings(bool on) { redirected_.store(on); }

    // How often `domain` searched for its catalog (0 for an unknown domain).
    int OpenAttempts(std::string_view domain) const;

  private:
    TDomain& Domain(std::string_view name);
    std::optional<std::string> FindWithLineEnds(std::string_view domain, std::string_view text);

    std::atomic<bool> enabled_{true};
    std::atomic<bool> redirected_{false};

    mutable std::shared_mutex lock_;  // guards everything below but the resource list
    std::string currentDomain_ = "default";
    std::string language_;
    std::string baseDirectory_;
    CatalogSources sources_;
    std::map<std::string, std::unique_ptr<TDomain>, std::less<>> domains_;

    mutable std::shared_mutex resourceLock_;
    std::vector<std::string> resourceDomains_{"default"};
};

// The program's one instance.
TGettextInstance& DefaultInstance();

}  // namespace dsp
