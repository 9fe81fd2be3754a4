#include "main/layout/layout_reader.h"

#include <optional>
#include <set>
#include <vector>

#include "main/layout/layout_error.h"
#include "main/layout/layout_value_reader.h"

namespace dsp {
namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

class LayoutBuilder {
  public:
    void ReadLine(std::string_view line, int number) {
        line_ = number;
        if (line.empty() || line.front() == '#') return;
        if (root_) Fail("text after the end of the layout");
        if (line.starts_with("object ")) return OpenObject(line.substr(7));
        if (line == "end") return CloseObject();
        if (open_.empty()) Fail("the layout must start with \"object Name: Class\"");
        AddProperty(line);
    }

    LayoutObject Finish() {
        if (!open_.empty())
            Fail("object " + open_.back().name + " (line " + std::to_string(open_.back().line) +
                 ") is not closed with \"end\"");
        if (!root_) Fail("the layout holds no object");
        return std::move(*root_);
    }

  private:
    [[noreturn]] void Fail(const std::string& reason) const { throw ELayoutError(line_, reason); }

    void OpenObject(std::string_view header) {
        const auto colon = header.find(':');
        if (colon == std::string_view::npos) Fail("expected \"object Name: Class\"");
        const std::string_view name = Trim(header.substr(0, colon));
        const std::string_view className = Trim(header.substr(colon + 1));
        if (!IsLayoutIdentifier(name, false)) Fail("bad object name \"" + std::string(name) + "\"");
        if (!IsLayoutIdentifier(className, false)) Fail("bad class name \"" + std::string(className) + "\"");
        if (open_.size() >= kMaxLayoutDepth) Fail("objects are nested too deeply");
        if (!names_.insert(std::string(name)).second) Fail("a second object named " + std::string(name));
        LayoutObject& object = open_.emplace_back();
        object.className = className;
        object.name = name;
        object.line = line_;
    }

    void CloseObject() {
        if (open_.empty()) Fail("\"end\" without an open object");
        LayoutObject done = std::move(open_.back());
        open_.pop_back();
        if (open_.empty())
            root_ = std::move(done);
        else
            open_.back().children.push_back(std::move(done));
    }

    void AddProperty(std::string_view line) {
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) Fail("expected \"Property = value\", \"object\" or \"end\"");
        const std::string name(Trim(line.substr(0, equals)));
        if (!IsLayoutIdentifier(name, true)) Fail("bad property name \"" + name + "\"");
        LayoutObject& object = open_.back();
        if (!object.children.empty()) Fail("property " + name + " after a child object of " + object.name);
        if (object.FindProperty(name)) Fail("property " + name + " is set twice");
        LayoutValue value = ReadLayoutValue(Trim(line.substr(equals + 1)), line_);
        object.properties.push_back(LayoutProperty{name, std::move(value), line_});
    }

    int line_ = 0;
    std::vector<LayoutObject> open_;
    std::optional<LayoutObject> root_;
    std::set<std::string> names_;
};

}  // namespace

LayoutObject ReadLayout(std::string_view text) {
    LayoutBuilder builder;
    int number = 0;
    while (!text.empty() || number == 0) {
        const auto newline = text.find('\n');
        const std::string_view line = text.substr(0, newline);
        builder.ReadLine(Trim(line), ++number);
        text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
    }
    return builder.Finish();
}

}  // namespace dsp
