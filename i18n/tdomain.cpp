#include "i18n/tdomain.h"

#include <mutex>

#include "i18n/catalog_error.h"
#include "platform/sys/process_env.h"

namespace dsp {
namespace {

std::string WithTrailingSlash(std::string directory) {
    if (!directory.empty() && directory.back() != '/') directory += '/';
    return directory;
}

[[noreturn]] void ThrowMapFailure(const MappedFile& file, int error, const std::string& path) {
    switch (file.FailedStage()) {
        case MappedFile::Stage::kOpen:
            throw ECatalogError("Cannot open file " + path);
        case MappedFile::Stage::kSize:
            throw ECatalogError("Cannot create memory map on file " + path);
        default:
            throw ECatalogError("Cannot map file " + path +
                                " into memory. Reason: " + SystemErrorText(error));
    }
}

}  // namespace

TDomain::TDomain(std::string name, std::string directory, std::string language, const CatalogSources& sources)
    : name_(std::move(name)),
      directory_(WithTrailingSlash(std::move(directory))),
      language_(std::move(language)),
      sources_(sources) {}

std::optional<std::string> TDomain::Find(std::string_view text) {
    if (state_.load(std::memory_order_acquire) == State::kUntried) {
        std::unique_lock writer(lock_);
        if (state_.load(std::memory_order_relaxed) == State::kUntried) OpenLocked();
    }
    const OpenCatalog* open = current_.load(std::memory_order_acquire);
    if (open == nullptr) return std::nullopt;
    const std::optional<std::string_view> hit = open->catalog.Lookup(text);
    if (!hit) return std::nullopt;
    return std::string(*hit);
}

void TDomain::SetLanguage(std::string language) {
    std::unique_lock writer(lock_);
    language_ = std::move(language);
    CloseLocked();
}

void TDomain::SetDirectory(std::string directory) {
    std::unique_lock writer(lock_);
    directory_ = WithTrailingSlash(std::move(directory));
    CloseLocked();
}

bool TDomain::IsOpen() const { return state_.load() == State::kOpen; }

std::string TDomain::CatalogPath(std::string_view language) const {
    return directory_ + std::string(language) + "/LC_MESSAGES/" + name_ + ".mo";
}

std::optional<TDomain::Located> TDomain::Locate(const std::string& path) const {
    const std::string& programDirectory = sources_.programDirectory;
    if (!programDirectory.empty() && path.starts_with(programDirectory)) {
        if (auto entry = sources_.embedded.Find(std::string_view(path).substr(programDirectory.size())))
            return Located{path, true, *entry};
    }
    if (IsRegularFile(path)) return Located{path, false, {}};
    return std::nullopt;
}

void TDomain::OpenLocked() {
    ++openAttempts_;
    std::optional<Located> found;
    // A domain of an instance that was never set up has no place to look.
    if (!directory_.empty() && !language_.empty()) {
        found = Locate(CatalogPath(language_));
        if (!found) found = Locate(CatalogPath(language_.substr(0, 2)));
    }
    if (!found) {
        state_.store(State::kNoCatalog, std::memory_order_release);  // never search again
        return;
    }
    mapped_.push_back(Map(*found));
    current_.store(mapped_.back().get(), std::memory_order_release);
    state_.store(State::kOpen, std::memory_order_release);
}

std::unique_ptr<TDomain::OpenCatalog> TDomain::Map(const Located& found) const {
    auto open = std::make_unique<OpenCatalog>();
    MappedFile& file = open->file;
    const std::string& mapPath = found.embedded ? sources_.executablePath : found.path;
    if (int error = file.Map(mapPath); error != 0) ThrowMapFailure(file, error, found.path);
    std::uint64_t start = 0;
    std::uint64_t size = file.Size();
    if (found.embedded) {
        start = found.entry.offset;
        size = found.entry.size;
    }
    std::optional<MoCatalog> catalog;
    if (start <= file.Size() && size <= file.Size() - start)
        catalog = MoCatalog::Parse(file.Data() + start, static_cast<std::size_t>(size));
    if (!catalog) throw ECatalogError("This file is not a valid GNU gettext mo file: " + found.path);
    open->catalog = *catalog;
    return open;
}

void TDomain::CloseLocked() {
    current_.store(nullptr, std::memory_order_release);
    state_.store(State::kUntried, std::memory_order_release);
}

}  // namespace dsp
