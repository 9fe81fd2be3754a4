#include "skin/skin_kinds.h"

#include "skin/data_skin_buttons.h"
#include "skin/data_skin_edits.h"
#include "skin/data_skin_lists.h"
#include "skin/data_skin_objects.h"
#include "skin/data_skin_panels.h"
#include "skin/data_skin_tracks.h"
#include "skin/data_skin_views.h"

namespace dsp {
namespace {

template <class Base>
struct Kind {
    std::string_view word;
    std::unique_ptr<Base> (*create)(std::string idName);
};

template <class Base, class T>
std::unique_ptr<Base> Make(std::string idName) {
    return std::make_unique<T>(std::move(idName));
}

using ControlKind = Kind<TbsDataSkinControl>;
constexpr ControlKind kControlKinds[] = {
    {"panel", Make<TbsDataSkinControl, TbsDataSkinPanelControl>},
    {"expanel", Make<TbsDataSkinControl, TbsDataSkinExPanelControl>},
    {"menubutton", Make<TbsDataSkinControl, TbsDataSkinMenuButtonControl>},
    {"button", Make<TbsDataSkinControl, TbsDataSkinButtonControl>},
    {"checkradio", Make<TbsDataSkinControl, TbsDataSkinCheckRadioControl>},
    {"gauge", Make<TbsDataSkinControl, TbsDataSkinGaugeControl>},
    {"splitter", Make<TbsDataSkinControl, TbsDataSkinSplitterControl>},
    {"trackbar", Make<TbsDataSkinControl, TbsDataSkinTrackBarControl>},
    {"label", Make<TbsDataSkinControl, TbsDataSkinLabelControl>},
    {"stdlabel", Make<TbsDataSkinControl, TbsDataSkinStdLabelControl>},
    {"updown", Make<TbsDataSkinControl, TbsDataSkinUpDownControl>},
    {"grid", Make<TbsDataSkinControl, TbsDataSkinGridControl>},
    {"tab", Make<TbsDataSkinControl, TbsDataSkinTabControl>},
    {"mainmenubar", Make<TbsDataSkinControl, TbsDataSkinMainMenuBar>},
    {"controlbar", Make<TbsDataSkinControl, TbsDataSkinControlBar>},
    {"memo", Make<TbsDataSkinControl, TbsDataSkinMemoControl>},
    {"edit", Make<TbsDataSkinControl, TbsDataSkinEditControl>},
    {"checklistbox", Make<TbsDataSkinControl, TbsDataSkinCheckListBox>},
    {"listbox", Make<TbsDataSkinControl, TbsDataSkinListBox>},
    {"combobox", Make<TbsDataSkinControl, TbsDataSkinComboBox>},
    {"scrollbar", Make<TbsDataSkinControl, TbsDataSkinScrollBarControl>},
    {"spinedit", Make<TbsDataSkinControl, TbsDataSkinSpinEditControl>},
    {"scrollbox", Make<TbsDataSkinControl, TbsDataSkinScrollBoxControl>},
    {"treeview", Make<TbsDataSkinControl, TbsDataSkinTreeView>},
    {"bevel", Make<TbsDataSkinControl, TbsDataSkinBevel>},
    {"slider", Make<TbsDataSkinControl, TbsDataSkinSlider>},
    {"listview", Make<TbsDataSkinControl, TbsDataSkinListView>},
    {"richedit", Make<TbsDataSkinControl, TbsDataSkinRichEdit>},
};

using ObjectKind = Kind<TbsDataSkinObject>;
constexpr ObjectKind kObjectKinds[] = {
    {"menuitem", Make<TbsDataSkinObject, TbsDataSkinMenuItem>},
    {"mainmenubaritem", Make<TbsDataSkinObject, TbsDataSkinMainMenuBarItem>},
    {"stdbutton", Make<TbsDataSkinObject, TbsDataSkinStdButton>},
    {"mainmenubarbutton", Make<TbsDataSkinObject, TbsDataSkinMainMenuBarButton>},
    {"button", Make<TbsDataSkinObject, TbsDataSkinButton>},
    {"caption", Make<TbsDataSkinObject, TbsDataSkinCaption>},
    {"animate", Make<TbsDataSkinObject, TbsDataSkinAnimate>},
    {"userobject", Make<TbsDataSkinObject, TbsDataUserObject>},
};

template <class Base, std::size_t N>
std::unique_ptr<Base> Create(const Kind<Base> (&kinds)[N], std::string_view word, std::string idName) {
    for (const Kind<Base>& kind : kinds) {
        if (kind.word == word) return kind.create(std::move(idName));
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<TbsDataSkinControl> CreateSkinControlData(std::string_view typeWord, std::string idName) {
    return Create(kControlKinds, typeWord, std::move(idName));
}

std::unique_ptr<TbsDataSkinObject> CreateSkinObjectData(std::string_view typeWord, std::string idName) {
    return Create(kObjectKinds, typeWord, std::move(idName));
}

}  // namespace dsp
