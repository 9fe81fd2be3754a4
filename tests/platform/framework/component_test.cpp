#include "platform/framework/component.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace dsp {
namespace {

std::vector<std::string> gLog;

class Logged : public TComponent {
  public:
    Logged(TComponent* owner, std::string name) : TComponent(owner) { SetName(std::move(name)); }
    ~Logged() override { gLog.push_back("free " + Name()); }
    TComponent* ref = nullptr;
    int loadedCalls = 0;
    bool loadingSeenByLoaded = false;

  protected:
    void Loaded() override {
        loadingSeenByLoaded = Loading();
        TComponent::Loaded();
        ++loadedCalls;
        gLog.push_back("loaded " + Name());
    }
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        if (op == TOperation::opRemove && c == ref) ref = nullptr;
    }
};

class Settings : public TPersistent {
  public:
    int value = 0;

  protected:
    void AssignTo(TPersistent& dest) const override {
        if (auto* s = dynamic_cast<Settings*>(&dest)) {
            s->value = value;
            return;
        }
        TPersistent::AssignTo(dest);
    }
};
class OtherSettings : public TPersistent {};

TEST(Component, OwnerFreesItsComponentsNewestFirstAndThoseFreedEarlierLeaveTheList) {
    gLog.clear();
    {
        Logged owner(nullptr, "Form1");
        new Logged(&owner, "A");
        auto* b = new Logged(&owner, "B");
        auto* c = new Logged(&owner, "C");
        new Logged(c, "C1");
        new Logged(&owner, "D");
        delete b;
        EXPECT_EQ(owner.ComponentCount(), 3);
        EXPECT_EQ(owner.FindComponent("c"), c);
        EXPECT_EQ(owner.FindComponent("B"), nullptr);
    }
    EXPECT_EQ(gLog,
              (std::vector<std::string>{"free B", "free Form1", "free D", "free C", "free C1", "free A"}));
}

TEST(Component, NamesAreUniqueWithinAnOwnerIgnoringCase) {
    Logged owner(nullptr, "Form1");
    auto* a = new Logged(&owner, "Button1");
    EXPECT_THROW(new Logged(&owner, "BUTTON1"), EComponentError);
    EXPECT_EQ(owner.ComponentCount(), 1);  // the half-made one left its owner again
    a->SetName("Button1");                 // its own name again is fine
    Logged elsewhere(nullptr, "x");
    EXPECT_NO_THROW(new Logged(&elsewhere, "Button1"));
}

TEST(Component, ReferencesAreClearedWhenTheReferencedComponentGoes) {
    Logged form(nullptr, "Form1");
    auto* skin = new Logged(&form, "bsSkinData1");
    auto* control = new Logged(&form, "bsSkinButton1");
    control->ref = skin;  // a sibling hears through the shared owner
    Logged other(nullptr, "Form2");
    auto* remote = new Logged(&other, "remote");
    remote->ref = skin;
    remote->FreeNotification(skin);  // across owners it must ask
    delete skin;
    EXPECT_EQ(control->ref, nullptr);
    EXPECT_EQ(remote->ref, nullptr);

    // The link works both ways and ends with either side.
    auto* again = new Logged(&form, "again");
    remote->ref = again;
    remote->FreeNotification(again);
    remote->RemoveFreeNotification(again);
    delete again;
    EXPECT_NE(remote->ref, nullptr);
}

// Frees `victim` when told that `ref` goes.
class Freeing : public Logged {
  public:
    using Logged::Logged;
    TComponent* victim = nullptr;

  protected:
    void Notification(TComponent* c, TOperation op) override {
        const bool refGoes = op == TOperation::opRemove && c == ref;
        Logged::Notification(c, op);
        if (refGoes) delete std::exchange(victim, nullptr);
    }
};

// A sibling freed by an earlier sibling's handler is not told (the sanitizer
// build sees a call on it); the ones after it still are.
TEST(Component, ASiblingFreedWhileTheOthersAreToldIsSkipped) {
    Logged form(nullptr, "Form1");
    auto* going = new Logged(&form, "going");
    auto* first = new Freeing(&form, "first");
    auto* victim = new Logged(&form, "victim");
    auto* last = new Logged(&form, "last");
    first->ref = victim->ref = last->ref = going;
    first->victim = victim;
    delete going;
    EXPECT_EQ(first->victim, nullptr);
    EXPECT_EQ(last->ref, nullptr);
    EXPECT_EQ(form.ComponentCount(), 2);
}

TEST(Component, LoadingMarksTheTreeAndLoadedRunsOwnedFirstInCreationOrder) {
    gLog.clear();
    Logged form(nullptr, "Form1");
    auto* a = new Logged(&form, "A");
    form.BeginLoading();
    auto* b = new Logged(&form, "B");  // created while loading: loading too
    EXPECT_TRUE(a->Loading());
    EXPECT_TRUE(b->Loading());
    form.EndLoading();
    EXPECT_FALSE(form.Loading());
    EXPECT_FALSE(b->Loading());
    EXPECT_TRUE(a->loadingSeenByLoaded);  // the step sees the state it ends
    EXPECT_EQ(gLog, (std::vector<std::string>{"loaded A", "loaded B", "loaded Form1"}));
    form.EndLoading();
    EXPECT_EQ(a->loadedCalls, 1);
}

TEST(Persistent, AssignCopiesTheSameClassAndRefusesAnother) {
    Settings a, b;
    a.value = 7;
    b.Assign(a);
    EXPECT_EQ(b.value, 7);
    OtherSettings o;
    try {
        b.Assign(o);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a OtherSettings to a Settings");
    }
}

}  // namespace
}  // namespace dsp
