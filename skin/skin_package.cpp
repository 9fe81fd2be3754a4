#include "skin/skin_package.h"

#include "skin/skin_error.h"

namespace dsp {
namespace {

constexpr std::size_t kSmallestBmp = 26;

// Reads the package front to back, never past its end.
class PackageReader {
  public:
    explicit PackageReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Remaining() const { return bytes_.size() - at_; }

    std::int32_t Int32(const char* what) {
        Need(4, what);
        std::uint32_t v = static_cast<std::uint32_t>(bytes_[at_]) |
                          static_cast<std::uint32_t>(bytes_[at_ + 1]) << 8 |
                          static_cast<std::uint32_t>(bytes_[at_ + 2]) << 16 |
                          static_cast<std::uint32_t>(bytes_[at_ + 3]) << 24;
        at_ += 4;
        return static_cast<std::int32_t>(v);
    }

    SkinPicture Slot(const std::string& what) {
        Need(1, what.c_str());
        std::uint8_t emptyFlag = bytes_[at_++];
        return emptyFlag == 0 ? Bmp(what) : SkinPicture{};
    }

    SkinPicture Bmp(const std::string& what) {
        std::span<const std::uint8_t> rest = bytes_.subspan(at_);
        std::size_t length = SkinPicture::FramedLength(rest, "skin package, " + what);
        at_ += length;
        return SkinPicture::FromBmp(rest.first(length), what);
    }

    std::string Rest() {
        std::string text(reinterpret_cast<const char*>(bytes_.data() + at_), Remaining());
        at_ = bytes_.size();
        return text;
    }

  private:
    void Need(std::size_t count, const char* what) const {
        if (Remaining() < count) {
            throw ESkinError(std::string("skin package truncated at byte ") + std::to_string(at_) + ": " +
                             what + " is missing");
        }
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<SkinPackage> ReadSkinPackage(std::span<const std::uint8_t> bytes) {
    PackageReader in(bytes);
    std::int32_t version = in.Int32("the version");
    if (version > kSkinPackageVersion) return std::nullopt;

    SkinPackage package;
    package.Picture = in.Slot("main picture");
    package.InactivePicture = in.Slot("inactive picture");
    package.Mask = in.Slot("mask");
    if (version == 2) {
        in.Slot("first extra slot");
        in.Slot("second extra slot");
    }
    std::int32_t count = in.Int32("the picture count");
    if (count < 0 || static_cast<std::size_t>(count) > in.Remaining() / kSmallestBmp) {
        throw ESkinError("skin package: picture count " + std::to_string(count) + " does not fit the " +
                         std::to_string(in.Remaining()) + " bytes that remain");
    }
    package.Pictures.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        package.Pictures.push_back(in.Bmp("picture " + std::to_string(i)));
    }
    package.Text = in.Rest();
    return package;
}

void SkinPackageWriter::Int32(std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<std::uint8_t>(v >> shift));
}

void SkinPackageWriter::Slot(const SkinPicture& picture) {
    bytes_.push_back(picture.Empty() ? 1 : 0);
    Bmp(picture);
}

void SkinPackageWriter::Bmp(const SkinPicture& picture) {
    bytes_.insert(bytes_.end(), picture.Bytes().begin(), picture.Bytes().end());
}

void SkinPackageWriter::Text(std::string_view text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }

std::vector<std::uint8_t> WriteSkinPackage(const SkinPackage& package) {
    SkinPackageWriter out;
    out.Int32(kSkinPackageVersion);
    out.Slot(package.Picture);
    out.Slot(package.InactivePicture);
    out.Slot(package.Mask);
    out.Int32(static_cast<std::int32_t>(package.Pictures.size()));
    for (const SkinPicture& picture : package.Pictures) {
        // The list has no flag bytes, so an empty entry cannot be written.
        if (picture.Empty()) throw ESkinError("skin package: an entry of the picture list is empty");
        out.Bmp(picture);
    }
    out.Text(package.Text);
    return std::move(out.Bytes());
}

}  // namespace dsp
