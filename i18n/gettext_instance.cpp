#include "i18n/gettext_instance.h"

#include <mutex>

#include "i18n/language.h"
#include "i18n/text_steps.h"
#include "platform/sys/process_env.h"

namespace dsp {

TGettextInstance::TGettextInstance() = default;

void TGettextInstance::Setup(CatalogSources sources) {
    {
        std::unique_lock writer(resourceLock_);
        resourceDomains_ = {"default"};
    }
    std::unique_lock writer(lock_);
    domains_.clear();
    sources_ = std::move(sources);
    if (sources_.programDirectory.empty()) sources_.programDirectory = FolderOfPath(sources_.executablePath);
    // No program directory, no catalogs: never fall back to the working folder.
    baseDirectory_ = sources_.programDirectory.empty() ? std::string() : sources_.programDirectory + "locale";
    language_ = DetectLanguage();
    currentDomain_ = "default";
    domains_.emplace("default", std::make_unique<TDomain>("default", baseDirectory_, language_, sources_));
}

std::string TGettextInstance::TextDomain() const {
    std::shared_lock reader(lock_);
    return currentDomain_;
}

void TGettextInstance::SetTextDomain(std::string_view domain) {
    std::unique_lock writer(lock_);
    currentDomain_ = domain;
}

std::string TGettextInstance::Language() const {
    std::shared_lock reader(lock_);
    return language_;
}

void TGettextInstance::UseLanguage(std::string_view language) {
    std::string name = language.empty() ? DetectLanguage() : CutAtDot(language);
    std::unique_lock writer(lock_);
    language_ = name;
    for (auto& [domainName, domain] : domains_) domain->SetLanguage(name);
}

std::string TGettextInstance::BaseDirectory() const {
    std::shared_lock reader(lock_);
    return baseDirectory_;
}

void TGettextInstance::BindTextDomain(std::string_view domain, std::string_view directory) {
    Domain(domain).SetDirectory(std::string(directory));
}

TDomain& TGettextInstance::Domain(std::string_view name) {
    {
        std::shared_lock reader(lock_);
        if (auto found = domains_.find(name); found != domains_.end()) return *found->second;
    }
    std::unique_lock writer(lock_);
    auto [it, added] = domains_.try_emplace(std::string(name), nullptr);
    if (added) it->second = std::make_unique<TDomain>(std::string(name), baseDirectory_, language_, sources_);
    return *it->second;
}

std::string TGettextInstance::LookupInDomain(std::string_view domain, std::string_view text) {
    std::optional<std::string> found = Domain(domain).Find(text);
    return found ? std::move(*found) : std::string(text);
}

std::optional<std::string> TGettextInstance::FindWithLineEnds(std::string_view domain,
                                                              std::string_view text) {
    // The empty text is the catalog's header entry, never a translation.
    if (text.empty()) return std::nullopt;
    const std::string key = StripCarriageReturns(text);
    std::optional<std::string> found = Domain(domain).Find(key);
    if (!found) return std::nullopt;
    return FinishTranslation(text, *found);
}

std::string TGettextInstance::Translate(std::string_view text) {
    if (!Enabled()) return std::string(text);
    std::optional<std::string> found = FindWithLineEnds(TextDomain(), text);
    return found ? std::move(*found) : std::string(text);
}

void TGettextInstance::AddDomainForResourceString(std::string_view domain) {
    std::unique_lock writer(resourceLock_);
    resourceDomains_.emplace_back(domain);
}

std::vector<std::string> TGettextInstance::ResourceStringDomains() const {
    std::shared_lock reader(resourceLock_);
    return resourceDomains_;
}

std::string TGettextInstance::TranslateResourceString(std::string_view text) {
    if (!Enabled()) return std::string(text);
    std::shared_lock reader(resourceLock_);
    for (const std::string& domain : resourceDomains_) {
        std::optional<std::string> found = FindWithLineEnds(domain, text);
        if (found && *found != text) return std::move(*found);
    }
    return std::string(text);
}

int TGettextInstance::OpenAttempts(std::string_view domain) const {
    std::shared_lock reader(lock_);
    auto found = domains_.find(domain);
    return found == domains_.end() ? 0 : found->second->OpenAttempts();
}

TGettextInstance& DefaultInstance() {
    static TGettextInstance instance;
    return instance;
}

}  // namespace dsp
