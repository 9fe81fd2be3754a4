#include "platform/sys/mapped_file.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/sys/win32/wide_text.h"

namespace dsp {
namespace {

struct HandleGuard {
    HANDLE handle;
    ~HandleGuard() {
        if (handle && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};

// The callers name failures by errno, as on every other system.
int ErrnoOf(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return EACCES;
        case ERROR_NOT_ENOUGH_MEMORY:
            return ENOMEM;
        default:
            return EIO;
    }
}

}  // namespace

MappedFile::~MappedFile() { Unmap(); }

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      mapped_(std::exchange(other.mapped_, false)),
      failedStage_(other.failedStage_) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    if (this != &other) {
        Unmap();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        mapped_ = std::exchange(other.mapped_, false);
        failedStage_ = other.failedStage_;
    }
    return *this;
}

int MappedFile::Map(const std::string& path) {
    Unmap();
    failedStage_ = Stage::kOpen;
    HandleGuard file{CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) return ErrnoOf(GetLastError());
    failedStage_ = Stage::kSize;
    if (GetFileType(file.handle) != FILE_TYPE_DISK) return EINVAL;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.handle, &size)) return ErrnoOf(GetLastError());
    failedStage_ = Stage::kMap;
    if (size.QuadPart > 0) {
        HandleGuard mapping{CreateFileMappingW(file.handle, nullptr, PAGE_READONLY, 0, 0, nullptr)};
        if (!mapping.handle) return ErrnoOf(GetLastError());
        void* address = MapViewOfFile(mapping.handle, FILE_MAP_READ, 0, 0, 0);
        if (!address) return ErrnoOf(GetLastError());
        data_ = static_cast<const unsigned char*>(address);
    }
    size_ = static_cast<std::size_t>(size.QuadPart);
    mapped_ = true;
    failedStage_ = Stage::kNone;
    return 0;
}

void MappedFile::Unmap() {
    if (data_ != nullptr) UnmapViewOfFile(data_);
    data_ = nullptr;
    size_ = 0;
    mapped_ = false;
}

std::string SystemErrorText(int error) { return std::strerror(error); }

}  // namespace dsp
