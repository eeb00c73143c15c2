// The style manager's two window lists: every form the screen builds is reported, a form leaves both lists when
// its destruction begins (also when it is listed twice), the waiting list is handed over whole, and lists that are
// gone hear of no form any more.
#include <vector>

#include "ComponentsFixture.h"
#include "platform/testing/MessagePump.h"
#include "trackmill/components/RestyledForms.h"

using namespace framework;
using components::TRestyledForms;

namespace {

class RestyledFormsTest : public ComponentsTest {
  protected:
    TForm* NewForm() {
        TForm* form = nullptr;
        app->CreateForm(form);
        return form;
    }
};

TEST_F(RestyledFormsTest, EveryBuiltFormIsReportedAndAFormBeingDestroyedLeavesBothLists) {
    std::vector<TCustomForm*> reported;
    TRestyledForms lists([&](TCustomForm* form) { reported.push_back(form); });
    TForm* first = NewForm();
    TForm* second = NewForm();
    ASSERT_EQ(reported, (std::vector<TCustomForm*>{first, second}));

    lists.AddPending(first);
    lists.AddPending(second);
    lists.AddPending(first);
    lists.AddStyled(first);
    lists.AddStyled(second);
    delete first;
    EXPECT_FALSE(lists.IsPending(first));
    EXPECT_FALSE(lists.IsStyled(first));
    EXPECT_TRUE(lists.IsPending(second));
    EXPECT_EQ(lists.Styled(), (std::vector<TCustomForm*>{second}));
    EXPECT_EQ(lists.TakePending(), (std::vector<TCustomForm*>{second}));
}

TEST_F(RestyledFormsTest, TheWaitingListIsHandedOverWholeAndRefillsOnItsOwn) {
    TRestyledForms lists([](TCustomForm*) {});
    TForm* first = NewForm();
    TForm* second = NewForm();
    lists.AddPending(first);
    lists.AddPending(second);
    std::vector<TCustomForm*> taken = lists.TakePending();
    EXPECT_FALSE(lists.HasPending());
    // Restyling a taken form may collect another one: it waits for the next round, the taken list stays as it was.
    lists.AddPending(second);
    EXPECT_EQ(taken, (std::vector<TCustomForm*>{first, second}));
    EXPECT_EQ(lists.TakePending(), (std::vector<TCustomForm*>{second}));
}

TEST_F(RestyledFormsTest, ListsThatAreGoneHearOfNoFormAnyMore) {
    int reports = 0;
    {
        TRestyledForms lists([&](TCustomForm*) { ++reports; });
        NewForm();
    }
    TForm* later = NewForm();
    delete later;
    testdriver::PumpUntilIdle();
    EXPECT_EQ(reports, 1);
}

}  // namespace
