#pragma once
// The small dialog that asks for a scene's name: a skinned panel over the
// middle of the window with the question, an edit and OK/Cancel, drawn from
// the window's own skin. Enter or OK hands the name on; Escape or Cancel
// drops it. The panel goes away either way. One dialog object asks once.

#include <functional>
#include <string>

namespace dsp {

class TForm1;
class TbsSkinButton;
class TbsSkinCustomEdit;
class TbsSkinPanel;

class SceneNameDialog {
  public:
    using Done = std::function<void(const std::string& name)>;

    // Shows the dialog on `form`; `done` runs with a name that is not empty.
    SceneNameDialog(TForm1& form, const std::string& question, const std::string& ok,
                    const std::string& cancel, Done done);
    ~SceneNameDialog();
    SceneNameDialog(const SceneNameDialog&) = delete;
    SceneNameDialog& operator=(const SceneNameDialog&) = delete;

    bool Open() const { return panel_ != nullptr; }
    TbsSkinCustomEdit* Edit() const { return edit_; }
    void Accept();
    void Cancel();

  private:
    void Close();

    TbsSkinPanel* panel_ = nullptr;
    TbsSkinPanel* retired_ = nullptr;
    TbsSkinCustomEdit* edit_ = nullptr;
    TbsSkinButton* ok_ = nullptr;
    TbsSkinButton* cancel_ = nullptr;
    Done done_;
};

}  // namespace dsp
