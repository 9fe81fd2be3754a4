#include "tests/i18n/catalog_builder.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace dsp::test {
namespace {

std::string PoQuoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

}  // namespace

void WriteCatalog(const std::string& moPath, const Entries& entries) {
    std::filesystem::create_directories(std::filesystem::path(moPath).parent_path());
    const std::string poPath = moPath + ".po";
    {
        std::ofstream po(poPath, std::ios::binary);
        po << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";
        for (const auto& [id, str] : entries)
            po << "msgid " << PoQuoted(id) << "\nmsgstr " << PoQuoted(str) << "\n\n";
    }
    const std::string command = "msgfmt -o '" + moPath + "' '" + poPath + "'";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("msgfmt failed: " + command);
    std::filesystem::remove(poPath);
}

std::vector<unsigned char> CompileCatalog(const Entries& entries) {
    TempDir dir;
    WriteCatalog(dir / "c.mo", entries);
    return ReadBytes(dir / "c.mo");
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::uint32_t Word(const std::vector<unsigned char>& bytes, std::size_t offset) {
    std::uint32_t value;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

void SetWord(std::vector<unsigned char>& bytes, std::size_t offset, std::uint32_t value) {
    std::memcpy(bytes.data() + offset, &value, 4);
}

std::vector<unsigned char> ByteSwapped(std::vector<unsigned char> bytes) {
    const std::uint32_t count = Word(bytes, 8);
    const std::uint32_t originals = Word(bytes, 12);
    const std::uint32_t translations = Word(bytes, 16);
    const std::uint32_t hashSize = Word(bytes, 20);
    const std::uint32_t hashTable = Word(bytes, 24);
    std::vector<std::size_t> words = {0, 4, 8, 12, 16, 20, 24};
    for (std::uint32_t i = 0; i < 2 * count; ++i) {
        words.push_back(originals + 4 * i);
        words.push_back(translations + 4 * i);
    }
    for (std::uint32_t i = 0; i < hashSize; ++i) words.push_back(hashTable + 4 * i);
    for (std::size_t offset : words) SetWord(bytes, offset, __builtin_bswap32(Word(bytes, offset)));
    return bytes;
}

}  // namespace dsp::test
