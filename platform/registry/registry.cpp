#include "platform/registry/registry.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/registry/registry_messages.h"
#include "platform/sys/mapped_file.h"
#include "platform/sys/small_file.h"

namespace dsp {
namespace {

constexpr std::string_view kRoot = "HKEY_CURRENT_USER";
constexpr std::string_view kAppFolder = "/dsp-panel";
constexpr std::string_view kFileName = "/user.reg";

std::string FullKeyPath(std::string_view key) {
    while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
    while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
    std::string path(kRoot);
    if (!key.empty()) path += "\\" + std::string(key);
    return path;
}

std::string FolderOf(const std::string& path) {
    size_t cut = path.rfind('/');
    return cut == std::string::npos ? "." : path.substr(0, cut);
}

ERegistryException Error(RegistryMessage id, std::string_view name) {
    return ERegistryException(FormatRegistryMessage(id, name));
}

}  // namespace

TRegistry::TRegistry() : filePath_(DefaultFilePath()) {}

TRegistry::TRegistry(std::string filePath) : filePath_(std::move(filePath)) {}

std::string TRegistry::DefaultFilePath() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (xdg && xdg[0] == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && home[0] ? home : ".") + "/.config";
    }
    return base + std::string(kAppFolder) + std::string(kFileName);
}

void TRegistry::NoteProblem(std::string_view what) {
    problem_ = "settings file " + filePath_ + " " + std::string(what);
}

TRegistry::LoadResult TRegistry::Load(RegDocument& doc) {
    std::string text;
    const int rc = ReadSmallFile(filePath_, kMaxFileSize, text);
    if (rc == ENOENT) return LoadResult::Missing;
    if (rc == kNotRegularFile) {
        NoteProblem("is not a regular file; settings are not read or saved");
        return LoadResult::Unreadable;
    }
    if (rc == kFileTooLarge) {
        NoteProblem("is larger than 1 MB; it is left as it is and settings are not read or saved");
        return LoadResult::Unreadable;
    }
    if (rc != 0) {
        NoteProblem("cannot be read (" + SystemErrorText(rc) + "); settings are not read or saved");
        return LoadResult::Unreadable;
    }
    try {
        doc = RegDocument::Parse(text);
    } catch (const RegParseError& error) {
        NoteProblem("is damaged (" + std::string(error.what()) + "); it is left as it is");
        return LoadResult::Unreadable;
    }
    return LoadResult::Loaded;
}

bool TRegistry::Save(const RegDocument& doc) {
    const std::string text = doc.Serialize();
    // Never write a file we would refuse to read back.
    if (text.size() > kMaxFileSize) {
        NoteProblem("would grow larger than 1 MB; it is left as it is");
        return false;
    }
    const int rc = ReplaceFileAtomically(filePath_, text);
    if (rc != 0) NoteProblem("cannot be written (" + SystemErrorText(rc) + ")");
    return rc == 0;
}

bool TRegistry::Lock(FileLock& lock) {
    const int rc = lock.Acquire(filePath_ + ".lock", lockTimeout_);
    if (rc == EWOULDBLOCK) {
        NoteProblem("is locked by another program; settings are not saved this time");
    } else if (rc != 0) {
        NoteProblem("cannot be locked (" + SystemErrorText(rc) + "); settings are not saved");
    }
    return rc == 0;
}

bool TRegistry::OpenKey(std::string_view key, bool canCreate) {
    CloseKey();
    problem_.clear();
    std::string path = FullKeyPath(key);
    FileLock lock;
    if (canCreate) {
        if (const int rc = MakeFolders(FolderOf(filePath_)); rc != 0) {
            NoteProblem("cannot be made: its folder cannot be created (" + SystemErrorText(rc) + ")");
            return false;
        }
        if (!Lock(lock)) return false;
    }
    RegDocument doc;
    LoadResult loaded = Load(doc);
    if (loaded == LoadResult::Unreadable) return false;
    if (loaded == LoadResult::Missing && !canCreate) return false;
    RegKey* found = doc.FindKey(path);
    if (!found) {
        if (!canCreate) return false;
        doc.CreateKey(path);
        if (!Save(doc)) return false;
        found = doc.FindKey(path);
    }
    snapshot_ = *found;
    keyPath_ = found->path;
    open_ = true;
    return true;
}

void TRegistry::CloseKey() {
    open_ = false;
    keyPath_.clear();
    snapshot_ = RegKey{};
}

const RegValue* TRegistry::FindValue(std::string_view name) const {
    return open_ ? snapshot_.Find(name) : nullptr;
}

bool TRegistry::ValueExists(std::string_view name) const { return FindValue(name) != nullptr; }

int32_t TRegistry::ReadInteger(std::string_view name) const {
    const RegValue* v = FindValue(name);
    // The value is read into a four-byte buffer, as a DWORD read does: data
    // that does not fit fails the read, data that fits but has another type is
    // the wrong type.
    if (!v || v->DataSize() > 4) throw Error(RegistryMessage::GetDataFailed, name);
    if (v->type == RegType::Dword && v->DataSize() != 4) throw Error(RegistryMessage::GetDataFailed, name);
    if (v->type != RegType::Dword) throw Error(RegistryMessage::InvalidDataType, name);
    return static_cast<int32_t>(v->dword);
}

std::string TRegistry::ReadString(std::string_view name) const {
    const RegValue* v = FindValue(name);
    if (!v) throw Error(RegistryMessage::GetDataFailed, name);
    if (v->type != RegType::String && v->type != RegType::ExpandString)
        throw Error(RegistryMessage::InvalidDataType, name);
    return v->text;
}

void TRegistry::WriteInteger(std::string_view name, int32_t value) {
    RegValue v;
    v.name = std::string(name);
    v.type = RegType::Dword;
    v.dword = static_cast<uint32_t>(value);
    WriteValue(std::move(v));
}

void TRegistry::WriteString(std::string_view name, std::string_view value) {
    RegValue v;
    v.name = std::string(name);
    v.type = RegType::String;
    v.text = std::string(value);
    WriteValue(std::move(v));
}

void TRegistry::WriteValue(RegValue value) {
    std::string name = value.name;
    if (!open_) throw Error(RegistryMessage::SetDataFailed, name);
    problem_.clear();
    FileLock lock;
    if (!Lock(lock)) throw Error(RegistryMessage::SetDataFailed, name);
    // Read again under the lock: another instance may have written since we
    // opened the key, and its changes must survive ours.
    RegDocument doc;
    LoadResult loaded = Load(doc);
    if (loaded == LoadResult::Unreadable) throw Error(RegistryMessage::SetDataFailed, name);
    RegKey& key = doc.CreateKey(keyPath_);
    // The file already says so (the window stores the language it has just
    // read at every start): it is left as it is, with no rewrite and no
    // flush to disk.
    const RegValue* stored = key.Find(name);
    if (stored == nullptr || !(*stored == value)) {
        key.Set(std::move(value));
        if (!Save(doc)) throw Error(RegistryMessage::SetDataFailed, name);
    }
    snapshot_ = key;
}

}  // namespace dsp
