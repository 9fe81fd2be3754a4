// The loader on small layouts: values before events, and refusals with lines.

#include "main/panel/layout_loader.h"

#include <gtest/gtest.h>

#include "controls/track_bar.h"
#include "main/layout/layout_error.h"
#include "main/layout/layout_reader.h"
#include "skin/skin_data.h"
#include "skin/skin_frame.h"
#include "tests/support/app_fixture.h"

namespace dsp {
namespace {

class FakeHost : public LayoutHost {
  public:
    explicit FakeHost(TForm& form) : form_(form) {}
    TForm& RootForm() override { return form_; }
    bool LoadNonVisual(const LayoutObject& object) override { return object.className == "TComPort"; }
    TbsSkinData* SkinDataByName(std::string_view name) override {
        return dynamic_cast<TbsSkinData*>(form_.FindComponent(name));
    }
    const EmbeddedResource* Resource(std::string_view) override { return nullptr; }
    TNotifyEvent Handler(std::string_view name) override {
        if (name != "BarChange") return nullptr;
        return [this](TObject* sender) { fired.push_back(static_cast<TbsSkinTrackBar*>(sender)->Value()); };
    }
    std::vector<int> fired;

  private:
    TForm& form_;
};

class LayoutLoaderTest : public test::AppTest {
  protected:
    LayoutLoaderTest() : form_(app_->CreateForm<TForm>()), host_(*form_) {}

    int ErrorLine(const std::string& text, std::string* message) {
        form_->DestroyComponents();  // what an earlier refused layout left
        try {
            LoadLayout(ReadLayout(text), host_, ComponentFactory::Panel());
        } catch (const ELayoutError& error) {
            *message = error.what();
            return error.Line();
        }
        return 0;
    }

    TForm* form_;
    FakeHost host_;
};

TEST_F(LayoutLoaderTest, ValuesAreSetBeforeAnyEventIsAttached) {
    const LayoutLoadReport report = LoadLayout(ReadLayout("object F: TForm1\n"
                                                          "  object Bar: TbsSkinTrackBar\n"
                                                          "    MaxValue = 63\n"
                                                          "    OnChange = BarChange\n"
                                                          "    Value = 50\n"
                                                          "    Vertical = True\n"
                                                          "    Wobble = 3\n"
                                                          "  end\n"
                                                          "end\n"),
                                               host_, ComponentFactory::Panel());
    auto* bar = dynamic_cast<TbsSkinTrackBar*>(form_->FindComponent("Bar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Parent(), form_);
    EXPECT_EQ(bar->Value(), 50);
    EXPECT_TRUE(host_.fired.empty());  // written after OnChange, yet nothing fired
    EXPECT_EQ(report.events, 1);
    EXPECT_EQ(report.unapplied, std::vector<std::string>{"Bar.Wobble"});
    bar->SetValue(20);
    EXPECT_EQ(host_.fired, std::vector<int>{20});
}

TEST_F(LayoutLoaderTest, ReferencesAreAppliedOnceEveryObjectHoldsItsValues) {
    const LayoutLoadReport report = LoadLayout(ReadLayout("object F: TForm1\n"
                                                          "  object Frame: TbsSkinFrame\n"
                                                          "    SkinData = Data\n"
                                                          "  end\n"
                                                          "  object Bar: TbsSkinTrackBar\n"
                                                          "    SkinData = Data\n"
                                                          "    SkinDataName = \"trackbar\"\n"
                                                          "  end\n"
                                                          "  object Data: TbsSkinData\n"
                                                          "    SkinIndex = 0\n"
                                                          "  end\n"
                                                          "end\n"),
                                               host_, ComponentFactory::Panel());
    auto* data = dynamic_cast<TbsSkinData*>(form_->FindComponent("Data"));
    auto* frame = dynamic_cast<TbsSkinFrame*>(form_->FindComponent("Frame"));
    auto* bar = dynamic_cast<TbsSkinTrackBar*>(form_->FindComponent("Bar"));
    ASSERT_TRUE(data && frame && bar);
    EXPECT_EQ(frame->SkinData(), data);
    EXPECT_EQ(bar->SkinData(), data);
    EXPECT_EQ(bar->SkinDataName(), "trackbar");
    EXPECT_TRUE(report.unapplied.empty());

    // A name that is no object of the layout is still refused where it stands.
    std::string message;
    EXPECT_EQ(ErrorLine("object F: TForm1\n"
                        "  object Frame: TbsSkinFrame\n"
                        "    SkinData = Nowhere\n"
                        "  end\n"
                        "end\n",
                        &message),
              3);
    EXPECT_NE(message.find("Nowhere"), std::string::npos) << message;
}

TEST_F(LayoutLoaderTest, RefusesWhatTheWindowCannotBuild) {
    struct Case {
        const char* text;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        {"object F: TForm1\n  object X: TNoSuchThing\n  end\nend\n", 2, "unknown class TNoSuchThing"},
        {"object F: TForm1\n  object B: TbsSkinTrackBar\n    OnChange = Nowhere\n  end\nend\n", 3,
         "no handler Nowhere"},
        {"object F: TForm1\n  object B: TbsSkinTrackBar\n    OnCloseUp = BarChange\n  end\nend\n", 3,
         "has no event OnCloseUp"},
        {"object F: TForm1\n  object B: TbsSkinTrackBar\n    Value = \"high\"\n  end\nend\n", 3,
         "Value expects a number"},
        {"object F: TForm1\n  object B: TbsSkinTrackBar\n    Vertical = Maybe\n  end\nend\n", 3,
         "one of False, True"},
        {"object F: TForm1\n  object I: TImage\n    object C: TbsSkinButton\n    end\n  end\nend\n", 2,
         "cannot hold controls"},
        {"object F: TForm1\n  object P: TComPort\n    object C: TbsSkinButton\n    end\n  end\nend\n", 2,
         "cannot hold controls"},
        {"object F: TForm1\n  object I: TImage\n    Picture = @nothing\n  end\nend\n", 3,
         "no embedded resource"},
        {"object F: TForm1\n  object S: TbsSkinStatusBar\n    Align = alClient\n  end\nend\n", 3,
         "Align expects"},
    };
    for (const Case& c : cases) {
        std::string message;
        EXPECT_EQ(ErrorLine(c.text, &message), c.line) << c.text;
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    }
}

// Each class the layout may name makes an object of that very class, and its
// descriptor offers what every control has (bounds, OnClick) only to controls.
TEST_F(LayoutLoaderTest, EveryClassDescriptorMakesItsOwnClass) {
    for (const char* name :
         {"TbsSkinButton", "TbsSkinComboBox", "TbsSkinNumericEdit", "TbsSkinSlider", "TbsSkinSpinEdit",
          "TbsSkinTrackBar", "TImage", "TbsSkinGroupBox", "TbsSkinPanel", "TbsSkinStatusBar",
          "TbsSkinStatusPanel", "TbsSkinStdLabel", "TbsSkinBevel", "TbsCompressedStoredSkin", "TbsSkinData",
          "TbsSkinFrame", "TbsSkinForm"}) {
        const ControlClass* described = ComponentFactory::Panel().Find(name);
        ASSERT_NE(described, nullptr) << name;
        TComponent* made = described->create(form_);
        EXPECT_EQ(made->ClassName(), name);
        const bool control = dynamic_cast<TControl*>(made) != nullptr;
        EXPECT_EQ(described->properties.contains("Left"), control) << name;
        EXPECT_EQ(described->events.contains("OnClick"), control) << name;
    }
    EXPECT_TRUE(ComponentFactory::Panel().Root().events.contains("OnActivate"));
}

}  // namespace
}  // namespace dsp
