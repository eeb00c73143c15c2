// The activation walk of the flat look: which menus and items become owner drawn with its handlers, which tool bars
// get its button painter, which controls it hands to the restyler (kinds tested by class or by exact class name,
// parents, Tag 999), and that switching off removes only its own handlers.
#include <string>
#include <vector>

#include "ComponentsFixture.h"
#include "platform/framework/controls/BitBtn.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/MaskEdit.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/controls/ToolBar.h"
#include "platform/framework/controls/ToolButton.h"
#include "platform/framework/controls/UpDown.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "trackmill/components/ControlSubClass.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/FlatLookManager.h"

using namespace framework;
using components::TFlatLook;

// Descendants of classes the walk recognises by exact class name, and of one it recognises by kind.
class TRoundButton : public TButton {
  public:
    using TButton::TButton;
};
class TNumberEdit : public TEdit {
  public:
    using TEdit::TEdit;
};

namespace {

// The controls the look's restylers hold, in the order the walk handed them over.
std::vector<TControl*> RestyledBy(const TFlatLook* look) {
    std::vector<TControl*> controls;
    for (int i = 0; i < look->ComponentCount(); ++i)
        if (auto* restyler = dynamic_cast<components::TControlSubClass*>(look->Components(i)))
            controls.push_back(restyler->Control);
    return controls;
}

// Foreign owner-draw handlers.
struct OtherPainter {
    void Measure(TObject*, TCanvas*, int&, int&) {}
    void Draw(TObject*, TCanvas*, const win::RECT&, bool) {}
    void Button(TToolBar*, TToolButton*, TCustomDrawState, bool&) {}
};

class FlatLookActivationTest : public ComponentsTest {
  protected:
    void SetUp() override {
        ComponentsTest::SetUp();
        form = ShowForm();
    }

    // A flat look on the form, after every other component.
    TFlatLook* AddLook() { return new TFlatLook(form); }

    TMenuItem* Item(TMenuItem* parent, const std::string& caption) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }

    bool Hooked(TFlatLook* look, const TMenuItem* item) const {
        return item->OnDrawItem == TMenuDrawItemEvent::Bind<&TFlatLook::MenuDrawItem>(look) &&
               item->OnMeasureItem == TMenuMeasureItemEvent::Bind<&TFlatLook::MenuMeasureItem>(look);
    }

    template <class C>
    C* Put(TWinControl* parent) {
        auto* control = new C(form);
        control->SetParent(parent);
        return control;
    }

    TForm* form = nullptr;
    OtherPainter other;
};

TEST_F(FlatLookActivationTest, MenusBecomeOwnerDrawnWithEveryItemHookedButTag999Stays) {
    auto* bar = new TMainMenu(form);
    TMenuItem* file = Item(bar->Items(), "&File");
    TMenuItem* open = Item(file, "&Open");
    TMenuItem* recent = Item(file, "Recent");
    TMenuItem* first = Item(recent, "one.wav");
    recent->SetTag(999);
    auto* plainBar = new TMainMenu(form);
    plainBar->SetTag(999);
    TMenuItem* plainItem = Item(plainBar->Items(), "Plain");
    auto* popup = new TPopupMenu(form);
    popup->SetTag(999);  // only a main menu's own Tag counts
    TMenuItem* copy = Item(popup->Items(), "Copy");
    auto* emptyBar = new TMainMenu(form);

    TFlatLook* look = AddLook();
    look->SetActive(true);
    EXPECT_TRUE(bar->OwnerDraw());
    EXPECT_TRUE(Hooked(look, file));
    EXPECT_TRUE(Hooked(look, open));
    EXPECT_FALSE(recent->OnDrawItem);
    EXPECT_FALSE(recent->OnMeasureItem);
    EXPECT_TRUE(Hooked(look, first));
    EXPECT_EQ(file->Caption(), "&File");  // the caption refresh puts it back
    EXPECT_FALSE(plainBar->OwnerDraw());
    EXPECT_FALSE(plainItem->OnDrawItem);
    EXPECT_TRUE(popup->OwnerDraw());
    EXPECT_TRUE(Hooked(look, copy));
    EXPECT_FALSE(emptyBar->OwnerDraw());  // an empty menu has no item to switch it

    look->SetActive(false);
    EXPECT_FALSE(bar->OwnerDraw());
    EXPECT_FALSE(popup->OwnerDraw());
    for (const TMenuItem* item : {file, open, first, copy}) {
        EXPECT_FALSE(item->OnDrawItem);
        EXPECT_FALSE(item->OnMeasureItem);
    }
}

TEST_F(FlatLookActivationTest, ForeignHandlersStayUnlessOverriddenAndSwitchingOffRemovesOnlyItsOwn) {
    auto* popup = new TPopupMenu(form);
    TMenuItem* drawn = Item(popup->Items(), "Drawn elsewhere");
    TMenuItem* measured = Item(popup->Items(), "Measured elsewhere");
    drawn->OnDrawItem = TMenuDrawItemEvent::Bind<&OtherPainter::Draw>(&other);
    measured->OnMeasureItem = TMenuMeasureItemEvent::Bind<&OtherPainter::Measure>(&other);

    TFlatLook* look = AddLook();
    look->SetActive(true);
    EXPECT_EQ(drawn->OnDrawItem, TMenuDrawItemEvent::Bind<&OtherPainter::Draw>(&other));
    EXPECT_EQ(drawn->OnMeasureItem, TMenuMeasureItemEvent::Bind<&TFlatLook::MenuMeasureItem>(look));
    EXPECT_EQ(measured->OnMeasureItem, TMenuMeasureItemEvent::Bind<&OtherPainter::Measure>(&other));
    EXPECT_EQ(measured->OnDrawItem, TMenuDrawItemEvent::Bind<&TFlatLook::MenuDrawItem>(look));
    look->SetActive(false);
    EXPECT_EQ(drawn->OnDrawItem, TMenuDrawItemEvent::Bind<&OtherPainter::Draw>(&other));
    EXPECT_FALSE(drawn->OnMeasureItem);
    EXPECT_EQ(measured->OnMeasureItem, TMenuMeasureItemEvent::Bind<&OtherPainter::Measure>(&other));
    EXPECT_FALSE(measured->OnDrawItem);

    look->SetOverrideOwnerDraw(true);
    look->SetActive(true);
    EXPECT_TRUE(Hooked(look, drawn));
    EXPECT_TRUE(Hooked(look, measured));
}

TEST_F(FlatLookActivationTest, ToolBarsAreMadeFlatAndGetTheButtonPainterWhenTheyHaveButtons) {
    auto* bare = Put<TToolBar>(form);
    auto* withButtons = Put<TToolBar>(form);
    auto* button = new TToolButton(form);
    button->SetParent(withButtons);
    auto* foreign = Put<TToolBar>(form);
    auto* foreignButton = new TToolButton(form);
    foreignButton->SetParent(foreign);
    const auto others = TTBCustomDrawBtnEvent::Bind<&OtherPainter::Button>(&other);
    foreign->OnCustomDrawButton = others;

    TFlatLook* look = AddLook();
    const auto painter = TTBCustomDrawBtnEvent::Bind<&TFlatLook::ToolbarCustomDrawButton>(look);
    look->SetActive(true);
    EXPECT_TRUE(bare->Flat());
    EXPECT_FALSE(bare->OnCustomDrawButton);
    EXPECT_TRUE(withButtons->Flat());
    EXPECT_EQ(withButtons->OnCustomDrawButton, painter);
    EXPECT_EQ(foreign->OnCustomDrawButton, others);
    look->SetActive(false);
    EXPECT_FALSE(withButtons->OnCustomDrawButton);
    EXPECT_EQ(foreign->OnCustomDrawButton, others);
    EXPECT_TRUE(withButtons->Flat());

    // Without fcToolbar tool bars are left alone.
    auto* untouched = Put<TToolBar>(form);
    auto* untouchedButton = new TToolButton(form);
    untouchedButton->SetParent(untouched);
    look->SetFlatControls(look->FlatControls() & ~(1u << components::fcToolbar));
    look->SetActive(true);
    EXPECT_FALSE(untouched->Flat());
    EXPECT_FALSE(untouched->OnCustomDrawButton);
}

TEST_F(FlatLookActivationTest, ControlsAreChosenByKindOrExactClassNameAndByParent) {
    auto* edit = Put<TEdit>(form);
    auto* numberEdit = Put<TNumberEdit>(form);
    auto* maskEdit = Put<TMaskEdit>(form);
    auto* button = Put<TButton>(form);
    auto* roundButton = Put<TRoundButton>(form);
    auto* bitBtn = Put<TBitBtn>(form);
    auto* upDown = Put<TUpDown>(form);
    auto* panel = Put<TPanel>(form);
    auto* onPanel = Put<TCheckBox>(panel);
    auto* groupBox = Put<TGroupBox>(form);
    auto* inGroup = Put<TEdit>(groupBox);
    auto* listView = Put<TListView>(form);

    TFlatLook* look = AddLook();
    look->SetFlatControls(look->FlatControls() & ~(1u << components::fcBitBtn));
    look->SetFlatContainers(look->FlatContainers() & ~(1u << components::fccGroupBox));
    look->SetActive(true);
    // In creation order; a TBitBtn is not a "TButton", a descendant of TButton is neither; a descendant of the edit
    // class is an edit, the mask edit only by its name; the edit in the group box has the wrong parent.
    const std::vector<TControl*> expected = {edit,  numberEdit, maskEdit, button,  upDown,
                                             panel, onPanel,    groupBox, listView};
    EXPECT_EQ(RestyledBy(look), expected);
    (void)roundButton;
    (void)bitBtn;
    (void)inGroup;
}

TEST_F(FlatLookActivationTest, Tag999OnTheControlOrItsParentKeepsItPlainAndOneActivationWalksOnce) {
    auto* plain = Put<TEdit>(form);
    plain->SetTag(999);
    auto* panel = Put<TPanel>(form);
    panel->SetTag(999);
    auto* inPlainPanel = Put<TEdit>(panel);
    auto* styled = Put<TEdit>(form);

    TFlatLook* look = AddLook();
    look->SetActive(true);
    look->SetActive(true);
    EXPECT_EQ(RestyledBy(look), std::vector<TControl*>{styled});
    (void)inPlainPanel;

    // Switching off lets go of the control at its next message (the walk's repaint); switching on walks again.
    look->SetActive(false);
    EXPECT_TRUE(RestyledBy(look).empty());
    look->SetActive(true);
    EXPECT_EQ(RestyledBy(look), std::vector<TControl*>{styled});
}

TEST_F(FlatLookActivationTest, ChangingASetWhileActiveWalksOffAndOnAgain) {
    auto* popup = new TPopupMenu(form);
    TMenuItem* item = Item(popup->Items(), "Copy");
    auto* edit = Put<TEdit>(form);

    TFlatLook* look = AddLook();
    look->SetActive(true);
    ASSERT_TRUE(Hooked(look, item));
    look->SetFlatControls(look->FlatControls() & ~(1u << components::fcPopupMenu));
    EXPECT_TRUE(look->Active());
    EXPECT_FALSE(item->OnDrawItem);
    EXPECT_FALSE(popup->OwnerDraw());
    EXPECT_EQ(RestyledBy(look), std::vector<TControl*>{edit});
    // The same value again changes nothing.
    components::TControlSubClass* restyler = components::RestylerOf(*edit);
    look->SetFlatControls(look->FlatControls());
    EXPECT_EQ(components::RestylerOf(*edit), restyler);

    // While inactive a set is only stored.
    look->SetActive(false);
    look->SetFlatControls(components::kAllFlatControls);
    EXPECT_FALSE(popup->OwnerDraw());
    EXPECT_TRUE(RestyledBy(look).empty());
}

TEST_F(FlatLookActivationTest, DestroyingTheLookUnhooksItsMenus) {
    auto* popup = new TPopupMenu(form);
    TMenuItem* item = Item(popup->Items(), "Copy");
    TFlatLook* look = AddLook();
    look->SetActive(true);
    ASSERT_TRUE(Hooked(look, item));
    delete look;
    EXPECT_FALSE(item->OnDrawItem);
    EXPECT_FALSE(item->OnMeasureItem);
    EXPECT_FALSE(popup->OwnerDraw());
    EXPECT_EQ(components::FlatLookManager(), nullptr);
}

}  // namespace
