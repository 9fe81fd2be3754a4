#include "main/cli/skin_info_command.h"

#include <memory>
#include <ostream>
#include <string>

#include "skin/embedded/embedded_skins.h"
#include "skin/skin_error.h"
#include "skin/skin_ini.h"
#include "skin/skin_package.h"
#include "skin/skin_values.h"

namespace dsp {
namespace {

constexpr int kExitUsage = 2;

void PrintPicture(std::ostream& out, const std::string& role, const std::string& name,
                  const SkinPicture& picture) {
    out << role;
    if (!name.empty()) out << " " << name;
    if (picture.Empty()) {
        out << ": none\n";
        return;
    }
    out << ": " << picture.Width() << " x " << picture.Height() << ", " << picture.BitCount()
        << (picture.BitCount() == 1 ? " bit" : " bits") << ", " << picture.Bytes().size() << " bytes\n";
}

void PrintSkin(std::ostream& out, int number) {
    TbsCompressedStoredSkin stored;
    LoadEmbeddedSkin(number, stored);
    auto bytes = std::make_shared<std::vector<std::uint8_t>>();
    stored.Unpack(*bytes);
    auto package = ReadSkinPackage(bytes);
    if (!package) throw ESkinError("the package is of a later version");
    SkinIni ini = SkinIni::FromText(package->Text);

    out << "skin " << number << ": " << ini.ReadString("VERSION", "skinname", "") << "\n";
    out << "package: " << bytes->size() << " bytes (stored compressed in " << stored.CompressedData().size()
        << " bytes)\n";
    PrintPicture(out, "main picture", ini.ReadString("PICTURES", "picture", ""), package->Picture);
    PrintPicture(out, "inactive picture", ini.ReadString("PICTURES", "inactivepicture", ""),
                 package->InactivePicture);
    PrintPicture(out, "mask", ini.ReadString("PICTURES", "mask", ""), package->Mask);
    std::vector<std::string> names = ReadSkinList(ini, "PICTURES", "activepictures");
    for (std::size_t i = 0; i < package->Pictures.size(); ++i) {
        PrintPicture(out, "picture " + std::to_string(i), i < names.size() ? names[i] : "",
                     package->Pictures[i]);
    }
    out << "sections: " << ini.SectionCount() << "\n";
}

}  // namespace

int RunSkinInfoCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    int number = 0;
    if (args.size() == 1 && args[0].size() == 1) number = args[0][0] - '0';
    if (number < 1 || number > kEmbeddedSkinCount) {
        err << "usage: dsp-panel skin-info N   (N from 1 to " << kEmbeddedSkinCount << ")\n";
        return kExitUsage;
    }
    try {
        PrintSkin(out, number);
    } catch (const ESkinError& error) {
        err << "dsp-panel: skin " << number << ": " << error.what() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace dsp
