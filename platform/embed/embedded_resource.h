#pragma once
// Files carried inside the executable: the window's layout, the banner
// picture and the skins. A build step turns each file into a byte array and a
// table of name -> bytes; see dsp_embed_resources() in cmake/DspEmbed.cmake.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace dsp {

struct EmbeddedResource {
    std::string_view name;
    const std::uint8_t* data;  // followed by one NUL byte not counted in size
    std::size_t size;

    std::span<const std::uint8_t> Bytes() const { return {data, size}; }
    std::string_view Text() const { return {reinterpret_cast<const char*>(data), size}; }
};

class ResourceTable {
  public:
    constexpr ResourceTable() = default;
    constexpr explicit ResourceTable(std::span<const EmbeddedResource> resources) : resources_(resources) {}

    // nullptr when no resource has that name.
    const EmbeddedResource* Find(std::string_view name) const;
    std::span<const EmbeddedResource> All() const { return resources_; }

  private:
    std::span<const EmbeddedResource> resources_;
};

}  // namespace dsp
