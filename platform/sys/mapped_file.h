#pragma once
// MappedFile: a whole file mapped read-only into memory. Mapping goes through
// three system calls; when one fails, Map() returns its errno and
// FailedStage() tells which one, so the caller can name the failure.

#include <cstddef>
#include <string>

namespace dsp {

class MappedFile {
  public:
    enum class Stage { kNone, kOpen, kSize, kMap };

    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;

    // Maps `path`, replacing any earlier mapping. Returns 0 or the errno of the
    // failing stage. An empty file maps as zero bytes with Data() null.
    int Map(const std::string& path);
    void Unmap();

    bool IsMapped() const { return mapped_; }
    const unsigned char* Data() const { return data_; }
    std::size_t Size() const { return size_; }
    Stage FailedStage() const { return failedStage_; }

  private:
    const unsigned char* data_ = nullptr;
    std::size_t size_ = 0;
    bool mapped_ = false;
    Stage failedStage_ = Stage::kNone;
};

// The system's text for an errno value.
std::string SystemErrorText(int error);

}  // namespace dsp
