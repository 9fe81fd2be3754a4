// Writes the hand-made seed inputs (seed-*) of every fuzz target into
// CORPUS/<target>/. Run after a reader's format changes:
//   build/tests/fuzz/fuzz_make_seeds tests/fuzz/corpus
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <string>
#include <vector>

#include "main/remote/osc_writer.h"
#include "platform/graphics/bmp_file.h"
#include "platform/graphics/jpeg_file.h"
#include "platform/graphics/png_file.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

dsp::Bitmap Picture(int w, int h, int colours) {
    dsp::Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int i = (x * 7 + y * 3) % colours;
            b.SetPixel(x, y,
                       dsp::MakeColor(std::uint8_t(i * 40), std::uint8_t(255 - i * 30), std::uint8_t(i * 9)));
        }
    return b;
}

// A message catalog: header, the two tables, then the strings with their
// terminators. Keys must come sorted, as a compiler writes them.
Bytes Catalog(const std::vector<std::pair<std::string, std::string>>& entries, bool swapped) {
    const std::uint32_t n = std::uint32_t(entries.size());
    Bytes out(20 + 16 * std::size_t(n));
    auto put = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out[at + std::size_t(i)] = std::uint8_t(swapped ? v >> (24 - 8 * i) : v >> (8 * i));
    };
    put(0, 0x950412DE);
    put(8, n);
    put(12, 20);
    put(16, 20 + 8 * n);
    auto addString = [&](std::size_t entry, const std::string& s) {
        put(entry, std::uint32_t(s.size()));
        put(entry + 4, std::uint32_t(out.size()));
        out.insert(out.end(), s.begin(), s.end());
        out.push_back(0);
    };
    for (std::uint32_t i = 0; i < n; ++i) addString(20 + 8 * i, entries[i].first);
    for (std::uint32_t i = 0; i < n; ++i) addString(20 + 8 * n + 8 * i, entries[i].second);
    return out;
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

// What a network serial server sends, behind the byte that chooses how the
// network target splits it.
constexpr std::uint8_t kIac = 255, kSb = 250, kSe = 240;
Bytes Server(std::uint8_t split, std::initializer_list<Bytes> parts) {
    Bytes out{split};
    for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}
Bytes ComPort(std::initializer_list<std::uint8_t> payload) {
    Bytes out{kIac, kSb, 44};
    out.insert(out.end(), payload);
    out.insert(out.end(), {kIac, kSe});
    return out;
}
// A server answering the greeting and the line settings of 9600 8N1, then
// line data with a doubled 0xFF and modem and line notifications.
Bytes ServerSession() {
    return Server(5, {{kIac, 253, 44, kIac, 251, 0, kIac, 253, 0, kIac, 251, 3, kIac, 253, 3},
                      ComPort({101, 0, 0, 0x25, 0x80}),
                      ComPort({102, 8}),
                      ComPort({103, 1}),
                      ComPort({104, 1}),
                      ComPort({105, 1}),
                      ComPort({105, 9}),
                      {0x80, 0x13, kIac, kIac, 0xA0},
                      ComPort({107, 0x30}),
                      ComPort({106, 0x10}),
                      ComPort({107, 0x00})});
}
// Requests to refuse (echo, terminal type), a refusal of COM-port control,
// and commands a serial line ignores (NOP, go-ahead, an unknown one).
Bytes ServerRefusals() {
    return Server(0, {{kIac, 251, 1, kIac, 253, 24, kIac, 252, 0, kIac, 254, 44},
                      {kIac, 241, 'a', kIac, 249, 'b', kIac, 200, 'c'}});
}
// Runs of 0xFF, in data and inside a subnegotiation, ending on an odd one.
Bytes ServerIacRuns() {
    Bytes run(9, kIac);
    return Server(1, {run, {1}, ComPort({101, kIac, kIac, kIac, kIac, 0, 0}), run});
}
// A subnegotiation that never ends, longer than any the session keeps.
Bytes ServerUnendedSubnegotiation() {
    Bytes body(300, 'x');
    return Server(7, {ComPort({107, 0x10}), {kIac, kSb, 44, 106}, body, {kIac, 'y', 'z'}});
}

void Write(const fs::path& folder, const std::string& target, const std::string& name, const Bytes& bytes) {
    fs::create_directories(folder / target);
    std::ofstream(folder / target / ("seed-" + name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_make_seeds CORPUS-FOLDER\n";
        return 2;
    }
    const fs::path out = argv[1];
    for (int bits : {1, 4, 8, 24})
        Write(out, "bmp", std::to_string(bits) + "bit",
              dsp::EncodeBmp(Picture(5, 3, bits == 1 ? 2 : 12), bits));
    Write(out, "png", "small", dsp::EncodePng(Picture(6, 4, 5)));
    Write(out, "png", "flat", dsp::EncodePng(Picture(40, 30, 1)));
    Write(out, "jpeg", "small", dsp::EncodeJpeg(Picture(8, 8, 4), 80));
    Write(out, "jpeg", "two-blocks", dsp::EncodeJpeg(Picture(16, 9, 7), 50));
    Write(out, "skin_ini", "small",
          Text("; skin\r\n[FORM]\r\nPicture=form.bmp\r\nMask=mask.bmp\r\n\r\n"
               "[BUTTON]\r\nSkinRect=0,0,20,20\r\nFontColor=0\r\n"));
    Write(out, "skin_ini", "lf", Text("[a]\nk=v\n[B]\nx = 1 \n[a]\nk=second\n"));
    Write(out, "mo_catalog", "le",
          Catalog({{"", "Content-Type: text/plain; charset=UTF-8\n"},
                   {"Failed to set data for '%s'", "Nicht gesetzt: '%s'"},
                   {"Open", "Offen"}},
                  false));
    Write(out, "mo_catalog", "be", Catalog({{"a", "b"}, {"ab", "c"}, {"b", "d"}}, true));
    Write(out, "settings_file", "language",
          Text("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\tolmy\\audio]\n\"Language\"=dword:00000001\n\n"));
    Write(out, "settings_file", "forms",
          Text("\xEF\xBB\xBFREGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n@=\"x\\\\y \\\"q\\\"\"\r\n"
               "\"Bin\"=hex:01,02,\\\r\n  03\r\n\"Multi\"=hex(7):61,00,00,00\r\n; note\r\n"));
    Write(out, "port_map", "conf",
          Text("# ports\nCOM1=/dev/serial/by-id/usb-x\n  COM2 = ttyUSB1 \nCOM12=/dev/pts/3\n"));
    Write(out, "port_map", "maps", Text("COM3=/dev/ttyACM0\n\\\\.\\COM4\nttyUSB0\n/dev/pts/9\n"));
    Write(out, "web_message", "set", Text(R"({"set": "MAIN-VOL", "value": 31})"));
    Write(out, "web_message", "item", Text(R"({"value": "#+1", "set": "KEY"})"));
    Write(out, "web_message", "state", Text(R"({"get":"state"})"));
    Write(out, "web_message", "ping", Text("{\"ping\": 9007199254740993}"));
    Write(out, "web_message", "escapes", Text(R"({"set": "\u004b\u0045\u0059", "value": "b-5"})"));
    Write(out, "layout", "small",
          Text("object Form1: TForm1\n  Caption = \"x\"\n  Left = -3\n"
               "  BorderIcons = (biSystemMenu, biMinimize)\n  object P: TPanel\n"
               "    Picture = @banner\n  end\nend\n"));
    Write(out, "layout", "items",
          Text("# c\nobject A: TbsSkinComboBox\n  Items.Strings = (\"COM1\", \"COM2\")\n"
               "  OnChange = AChange\nend\n"));
    Write(out, "osc", "set", dsp::WriteOscMessage({"/dsp/main-vol", {31}}));
    Write(out, "osc", "bundle",
          dsp::WriteOscBundle(std::vector<dsp::OscMessage>{{"/dsp/key", {std::string("b-5")}},
                                                           {"/dsp/subscribe", {9001, std::string("norm")}},
                                                           {"/dsp/sw-freq", {0.25f}},
                                                           {"/dsp/dump", {}}}));
    for (const char* target : {"telnet", "rfc2217"}) {
        Write(out, target, "session", ServerSession());
        Write(out, target, "refusals", ServerRefusals());
        Write(out, target, "iac-runs", ServerIacRuns());
        Write(out, target, "unended-sb", ServerUnendedSubnegotiation());
    }
    return 0;
}
