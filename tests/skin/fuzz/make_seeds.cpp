// Writes the fuzzer's seed inputs into a folder: a small skin as a package,
// as a compressed stream and as an ini text (see skin_fuzz_entry.h for the
// leading mode byte), plus a few odd packages.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "skin/skin_package.h"
#include "skin/skin_zlib.h"
#include "tests/skin/sample_skin.h"

namespace {

void Write(const std::filesystem::path& path, std::uint8_t mode, const std::vector<std::uint8_t>& body) {
    std::ofstream out(path, std::ios::binary);
    out.put(static_cast<char>(mode));
    out.write(reinterpret_cast<const char*>(body.data()), static_cast<std::streamsize>(body.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS-FOLDER\n", argv[0]);
        return 2;
    }
    std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    using namespace dsp;
    testkit::SampleSkinShape shape = testkit::TinySkinShape();
    std::vector<std::uint8_t> package = testkit::SamplePackage(shape);
    Write(dir / "seed-package", 0, package);
    Write(dir / "seed-stream", 1, DeflateBest(package));
    std::string text = testkit::SampleSkinIni(shape);
    Write(dir / "seed-ini", 2, std::vector<std::uint8_t>(text.begin(), text.end()));

    shape.maxEntries = 3;
    std::vector<std::uint8_t> small = testkit::SamplePackage(shape);
    Write(dir / "seed-small-package", 0, small);
    Write(dir / "seed-small-stream", 1, DeflateBest(small));
    std::string smallText = testkit::SampleSkinIni(shape);
    Write(dir / "seed-small-ini", 2, std::vector<std::uint8_t>(smallText.begin(), smallText.end()));

    shape.hasMask = false;
    shape.listCount = 0;
    shape.mainBits = 8;
    Write(dir / "seed-package-nomask", 0, testkit::SamplePackage(shape));

    SkinPackageWriter v2;
    v2.Int32(2);
    for (int slot = 0; slot < 5; ++slot)
        v2.Slot(slot == 3 ? SkinPicture::FromBmp(testkit::MakeBmp(2, 2, 1), "x") : SkinPicture{});
    v2.Int32(0);
    v2.Text(
        "[VERSION]\r\nskinname=two\r\n[SKINCONTROLS]\r\ncount=1\r\n0=b:bevel\r\n[b]\r\nlightcolor=0x1\r\n");
    Write(dir / "seed-package-v2", 0, v2.Bytes());
    return 0;
}
