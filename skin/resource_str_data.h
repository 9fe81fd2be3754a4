#pragma once
// TbsResourceStrData: the texts a skinned frame shows in its menus and hints
// (and the dialogs of controls this program does not place), as lines
// "NAME=text". It starts with the English defaults.

#include <string>
#include <string_view>
#include <vector>

#include "platform/framework/component.h"

namespace dsp {

class TbsResourceStrData : public TComponent {
  public:
    explicit TbsResourceStrData(TComponent* owner = nullptr);

    const std::vector<std::string>& ResStrings() const { return resStrings_; }
    void SetResStrings(std::vector<std::string> lines) { resStrings_ = std::move(lines); }
    int CharSet() const { return charSet_; }
    void SetCharSet(int charSet) { charSet_ = charSet; }

    // The text after the first "=" of the first line whose name is `name`
    // (exactly); empty when no line has that name.
    std::string GetResStr(std::string_view name) const;

    // The English defaults, 120 lines.
    static const std::vector<std::string>& DefaultStrings();

  private:
    std::vector<std::string> resStrings_;
    int charSet_ = 1;
};

}  // namespace dsp
