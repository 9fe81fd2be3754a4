#include "platform/sys/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/sys/fd_guard.h"

namespace dsp {

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
    // Without O_NONBLOCK opening a FIFO waits for a writer that may never come.
    FdGuard guard{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (guard.fd < 0) return errno;
    failedStage_ = Stage::kSize;
    struct stat info {};
    if (::fstat(guard.fd, &info) != 0) return errno;
    if (!S_ISREG(info.st_mode)) return EINVAL;
    failedStage_ = Stage::kMap;
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size > 0) {
        void* address = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, guard.fd, 0);
        if (address == MAP_FAILED) return errno;
        data_ = static_cast<const unsigned char*>(address);
    }
    size_ = size;
    mapped_ = true;
    failedStage_ = Stage::kNone;
    return 0;
}

void MappedFile::Unmap() {
    if (data_ != nullptr) ::munmap(const_cast<unsigned char*>(data_), size_);
    data_ = nullptr;
    size_ = 0;
    mapped_ = false;
}

std::string SystemErrorText(int error) {
    char buffer[256];
    // The GNU strerror_r returns the text, which may or may not be in `buffer`.
    return ::strerror_r(error, buffer, sizeof buffer);
}

}  // namespace dsp
