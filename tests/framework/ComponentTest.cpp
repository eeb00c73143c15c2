#include "platform/framework/TComponent.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/framework/Exception.h"

using framework::csDesigning;
using framework::csDestroying;
using framework::csLoading;
using framework::TComponent;
using framework::TOperation;
using testing::ElementsAre;

namespace {

using Log = std::vector<std::string>;

// Writes "<self> +<other>" / "<self> -<other>" for each notification and "free <self>" when destroyed.
class Probe : public TComponent {
  public:
    Probe(TComponent* owner, const std::string& name, Log* log) : TComponent(owner), log_(log) { SetName(name); }
    ~Probe() override {
        log_->push_back("free " + Name() + ((ComponentState() & csDestroying) ? " (destroying)" : ""));
    }

    void Notification(TComponent* component, TOperation operation) override {
        log_->push_back(Name() + (operation == TOperation::opInsert ? " +" : " -") + component->Name());
        TComponent::Notification(component, operation);
    }

    using TComponent::SetDesigning;

  private:
    Log* log_;
};

// Holds a reference to a component it does not own and drops it when told that component is going.
class Holder : public TComponent {
  public:
    explicit Holder(TComponent* owner) : TComponent(owner) {}
    ~Holder() override { SetTarget(nullptr); }

    void SetTarget(TComponent* target) {
        if (target_) target_->RemoveFreeNotification(this);
        target_ = target;
        if (target_) target_->FreeNotification(this);
    }
    TComponent* Target() const { return target_; }
    int Removals() const { return removals_; }

    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove && component == target_) {
            target_ = nullptr;
            ++removals_;
        }
    }

  private:
    TComponent* target_ = nullptr;
    int removals_ = 0;
};

}  // namespace

TEST(Ownership, OwnedComponentsAreListedInCreationOrder) {
    Log log;
    Probe form(nullptr, "form", &log);
    auto* first = new Probe(&form, "first", &log);
    auto* second = new Probe(&form, "second", &log);
    auto* third = new TComponent(&form);
    ASSERT_EQ(form.ComponentCount(), 3);
    EXPECT_EQ(form.Components(0), first);
    EXPECT_EQ(form.Components(1), second);
    EXPECT_EQ(form.Components(2), third);
    EXPECT_EQ(second->Owner(), &form);
    EXPECT_THROW(form.Components(3), framework::Exception);
    EXPECT_THROW(form.Components(-1), framework::Exception);
}

TEST(Ownership, OwnerFreesWhatItOwnsLastCreatedFirstAndDepthFirst) {
    Log log;
    auto* form = new Probe(nullptr, "form", &log);
    auto* panel = new Probe(form, "panel", &log);
    new Probe(panel, "button", &log);
    new Probe(form, "timer", &log);
    log.clear();
    delete form;
    // C++ runs a derived destructor before the base's: a component being freed has left its own overrides, so
    // only the components still whole (here the panel and its button while the timer goes) hear the removals.
    EXPECT_THAT(log, ElementsAre("free form", "free timer (destroying)", "panel -timer", "button -timer",
                                 "free panel (destroying)", "free button (destroying)"));
}

TEST(Ownership, FreeingAnOwnedComponentTakesItOffItsOwnersList) {
    Log log;
    Probe form(nullptr, "form", &log);
    new Probe(&form, "a", &log);
    auto* b = new Probe(&form, "b", &log);
    auto* c = new Probe(&form, "c", &log);
    log.clear();
    delete b;
    EXPECT_THAT(log, ElementsAre("free b", "form -b", "c -b", "a -b"));
    ASSERT_EQ(form.ComponentCount(), 2);
    EXPECT_EQ(form.Components(1), c);
}

TEST(Notification, InsertionReachesTheOwnerAndEverythingItOwns) {
    Log log;
    Probe form(nullptr, "form", &log);
    new Probe(&form, "menu", &log);
    auto* flatLook = new Probe(&form, "flatlook", &log);
    new Probe(flatLook, "subclass", &log);
    Probe dialog(nullptr, "dialog", &log);
    log.clear();
    form.InsertComponent(&dialog);
    // Cascades down through owned components, so a component owned by an owned component hears it too.
    EXPECT_THAT(log,
                ElementsAre("form +dialog", "dialog +dialog", "flatlook +dialog", "subclass +dialog", "menu +dialog"));
    form.RemoveComponent(&dialog);
    EXPECT_EQ(dialog.Owner(), nullptr);
    EXPECT_EQ(form.ComponentCount(), 2);
}

TEST(Notification, MovingToAnotherOwnerIsARemovalThenAnInsertion) {
    Log log;
    Probe left(nullptr, "left", &log);
    Probe right(nullptr, "right", &log);
    auto* item = new Probe(&left, "item", &log);
    log.clear();
    right.InsertComponent(item);
    EXPECT_THAT(log, ElementsAre("left -item", "item -item", "right +item", "item +item"));
    EXPECT_EQ(item->Owner(), &right);
    EXPECT_EQ(left.ComponentCount(), 0);
}

TEST(FreeNotification, AHolderHearsWhenItsTargetIsFreed) {
    TComponent form(nullptr);
    auto* holder = new Holder(&form);
    auto* popup = new TComponent(nullptr);
    holder->SetTarget(popup);
    delete popup;
    EXPECT_EQ(holder->Target(), nullptr);
    EXPECT_EQ(holder->Removals(), 1);
}

TEST(FreeNotification, ATargetFreedAfterItsHolderDoesNotCallTheHolder) {
    auto* popup = new TComponent(nullptr);
    auto* holder = new Holder(nullptr);
    holder->SetTarget(popup);
    delete holder;  // under ASan a later call into the freed holder would be reported
    delete popup;
}

TEST(FreeNotification, BothSidesAreToldWhicheverGoesFirst) {
    Holder first(nullptr);
    auto* second = new Holder(nullptr);
    // Registering one way links both ways.
    first.SetTarget(second);
    delete second;
    EXPECT_EQ(first.Removals(), 1);
    EXPECT_EQ(first.Target(), nullptr);
}

TEST(FreeNotification, ReleasingTheReferenceStopsTheNotification) {
    Holder holder(nullptr);
    auto* image = new TComponent(nullptr);
    holder.SetTarget(image);
    holder.SetTarget(nullptr);
    delete image;
    EXPECT_EQ(holder.Removals(), 0);
}

// Records when Loaded runs and whether its owner was still loading then.
class LoadProbe : public TComponent {
  public:
    LoadProbe(TComponent* owner, const std::string& name, std::vector<std::string>* log)
        : TComponent(owner), log_(log) {
        SetName(name);
    }
    void Loaded() override {
        const bool ownerLoading = Owner() && (Owner()->ComponentState() & csLoading);
        log_->push_back(Name() + (ownerLoading ? " (owner loading)" : ""));
        TComponent::Loaded();
    }

  private:
    std::vector<std::string>* log_;
};

TEST(ComponentState, ComponentsMadeWhileTheirOwnerLoadsLoadUntilEndLoading) {
    std::vector<std::string> log;
    LoadProbe form(nullptr, "form", &log);
    auto* before = new LoadProbe(&form, "before", &log);
    form.BeginLoading();
    EXPECT_TRUE(form.ComponentState() & csLoading);
    auto* menu = new LoadProbe(&form, "menu", &log);
    auto* item = new LoadProbe(menu, "item", &log);
    auto* look = new LoadProbe(&form, "look", &log);
    EXPECT_TRUE(menu->ComponentState() & csLoading);
    EXPECT_TRUE(item->ComponentState() & csLoading) << "made by a component that is loading";
    EXPECT_FALSE(before->ComponentState() & csLoading);

    form.EndLoading();
    const std::vector<std::string> expected{"item (owner loading)", "menu (owner loading)", "look (owner loading)",
                                            "form"};
    EXPECT_EQ(log, expected) << "owned ones first, in creation order, the owner last; the one made before is left";
    for (const TComponent* c : std::vector<TComponent*>{&form, before, menu, item, look})
        EXPECT_FALSE(c->ComponentState() & csLoading) << c->Name();

    log.clear();
    new LoadProbe(&form, "later", &log);
    form.EndLoading();
    EXPECT_EQ(log, std::vector<std::string>{"form"}) << "a component made after loading is not loading";
}

TEST(ComponentState, DesigningAndDestroyingReachOwnedComponents) {
    Log log;
    Probe form(nullptr, "form", &log);
    auto* child = new Probe(&form, "child", &log);
    form.SetDesigning(true);
    EXPECT_TRUE(child->ComponentState() & csDesigning);
    form.SetDesigning(false);
    EXPECT_FALSE(child->ComponentState() & csDesigning);
    form.Destroying();
    EXPECT_TRUE(child->ComponentState() & csDestroying);
}

TEST(ComponentProperties, NameAndTagAreKept) {
    TComponent item(nullptr);
    item.SetName("mnuAbout");
    item.SetTag(999);
    EXPECT_EQ(item.Name(), "mnuAbout");
    EXPECT_EQ(item.Tag(), 999);
}
