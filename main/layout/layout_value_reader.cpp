#include "main/layout/layout_value_reader.h"

#include <charconv>

#include "main/layout/layout_error.h"

namespace dsp {
namespace {

bool IsIdentifierStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentifierPart(char c) { return IsIdentifierStart(c) || (c >= '0' && c <= '9'); }

// Length of the UTF-8 sequence starting at `s[0]`, or 0 when it is malformed
// (stray continuation bytes, overlong forms, surrogates, beyond U+10FFFF).
std::size_t Utf8SequenceLength(std::string_view s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80) return 1;
    std::size_t length = b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC2 ? 2 : 0;
    if (length == 0 || b0 > 0xF4 || s.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0;
    const auto b1 = static_cast<unsigned char>(s[1]);
    if ((b0 == 0xE0 && b1 < 0xA0) || (b0 == 0xED && b1 >= 0xA0)) return 0;
    if ((b0 == 0xF0 && b1 < 0x90) || (b0 == 0xF4 && b1 >= 0x90)) return 0;
    return length;
}

LayoutValue OfKind(LayoutValueKind kind) {
    LayoutValue value;
    value.kind = kind;
    return value;
}

class ValueCursor {
  public:
    ValueCursor(std::string_view text, int line) : text_(text), line_(line) {}

    LayoutValue ReadTopLevel() {
        LayoutValue value = Peek() == '(' ? ReadList() : ReadScalar();
        SkipSpaces();
        if (!AtEnd()) Fail("unexpected text after the value: " + std::string(text_.substr(pos_)));
        return value;
    }

  private:
    [[noreturn]] void Fail(const std::string& reason) const { throw ELayoutError(line_, reason); }
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    void SkipSpaces() {
        while (!AtEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    }

    LayoutValue ReadScalar() {
        const char c = Peek();
        if (c == '"') return ReadString();
        if (c == '-' || (c >= '0' && c <= '9')) return ReadInteger();
        if (c == '@') return ReadResource();
        if (IsIdentifierStart(c)) return ReadIdentifier();
        if (AtEnd()) Fail("a value is missing");
        Fail(std::string("a value cannot start with '") + c + "'");
    }

    LayoutValue ReadList() {
        LayoutValue list = OfKind(LayoutValueKind::List);
        ++pos_;  // '('
        SkipSpaces();
        if (Peek() == ')') return ++pos_, list;
        for (;;) {
            SkipSpaces();
            if (Peek() == '(') Fail("lists cannot hold lists");
            list.items.push_back(ReadScalar());
            SkipSpaces();
            if (Peek() == ')') return ++pos_, list;
            if (Peek() != ',')
                Fail(AtEnd() ? "the list is not closed with ')'" : "expected ',' or ')' in the list");
            ++pos_;
        }
    }

    LayoutValue ReadString() {
        LayoutValue value = OfKind(LayoutValueKind::String);
        ++pos_;  // opening quote
        for (;;) {
            if (AtEnd()) Fail("the string is not closed with '\"'");
            const char c = text_[pos_];
            if (c == '"') return ++pos_, value;
            if (c == '\\') {
                AppendEscape(value.text);
                continue;
            }
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
                Fail("a control character inside a string");
            const std::size_t length = Utf8SequenceLength(text_.substr(pos_));
            if (length == 0) Fail("the string is not valid UTF-8");
            value.text.append(text_.substr(pos_, length));
            pos_ += length;
        }
    }

    void AppendEscape(std::string& out) {
        const char next = pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0';
        if (next != '"' && next != '\\') Fail("only \\\" and \\\\ may be escaped in a string");
        out.push_back(next);
        pos_ += 2;
    }

    LayoutValue ReadInteger() {
        std::size_t end = pos_ + (Peek() == '-' ? 1 : 0);
        while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9') ++end;
        LayoutValue value = OfKind(LayoutValueKind::Integer);
        const auto [ptr, ec] = std::from_chars(text_.data() + pos_, text_.data() + end, value.integer);
        if (ec == std::errc::result_out_of_range) Fail("the number is out of range");
        if (ec != std::errc() || ptr != text_.data() + end) Fail("malformed number");
        value.text = std::string(text_.substr(pos_, end - pos_));
        pos_ = end;
        if (IsIdentifierPart(Peek())) Fail("malformed number");
        return value;
    }

    LayoutValue ReadResource() {
        ++pos_;  // '@'
        LayoutValue value = ReadIdentifier();
        value.kind = LayoutValueKind::Resource;
        return value;
    }

    LayoutValue ReadIdentifier() {
        const std::size_t start = pos_;
        if (!IsIdentifierStart(Peek())) Fail("a name is expected");
        while (!AtEnd() && IsIdentifierPart(text_[pos_])) ++pos_;
        LayoutValue value = OfKind(LayoutValueKind::Identifier);
        value.text = std::string(text_.substr(start, pos_ - start));
        return value;
    }

    std::string_view text_;
    int line_;
    std::size_t pos_ = 0;
};

}  // namespace

LayoutValue ReadLayoutValue(std::string_view text, int line) {
    return ValueCursor(text, line).ReadTopLevel();
}

bool IsLayoutIdentifier(std::string_view text, bool allowDots) {
    bool atPartStart = true;
    for (char c : text) {
        if (allowDots && c == '.' && !atPartStart) {
            atPartStart = true;
            continue;
        }
        if (atPartStart ? !IsIdentifierStart(c) : !IsIdentifierPart(c)) return false;
        atPartStart = false;
    }
    return !text.empty() && !atPartStart;
}

}  // namespace dsp
