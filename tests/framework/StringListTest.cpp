#include "platform/framework/TStringList.h"

#include <gtest/gtest.h>

#include "platform/framework/Exception.h"

using framework::TStringList;

TEST(StringList, AddKeepsOrderAndAnswersTheIndex) {
    TStringList list;
    EXPECT_EQ(list.Add("1"), 0);
    EXPECT_EQ(list.Add("3"), 1);
    EXPECT_EQ(list.Add("4"), 2);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Strings(0), "1");
    EXPECT_EQ(list.Strings(2), "4");
    EXPECT_THROW(list.Strings(3), framework::Exception);
    EXPECT_THROW(list.Strings(-1), framework::Exception);
}

TEST(StringList, ACopyOutlivesTheOriginal) {
    auto* files = new TStringList;
    files->Add("/music/a.wav");
    files->Add("/music/b.wav");
    TStringList kept(*files);
    TStringList assigned;
    assigned.Add("stale");
    assigned.Assign(*files);
    delete files;
    ASSERT_EQ(kept.Count(), 2);
    EXPECT_EQ(kept.Strings(1), "/music/b.wav");
    ASSERT_EQ(assigned.Count(), 2);
    EXPECT_EQ(assigned.Strings(0), "/music/a.wav");
    assigned.Clear();
    EXPECT_EQ(assigned.Count(), 0);
    EXPECT_EQ(kept.Count(), 2);
}

TEST(StringList, IndexOfFindsTheFirstEqualString) {
    TStringList list;
    list.Add("128 kbit/s");
    list.Add("192 kbit/s");
    list.Add("128 kbit/s");
    EXPECT_EQ(list.IndexOf("128 kbit/s"), 0);
    EXPECT_EQ(list.IndexOf("192 kbit/s"), 1);
    EXPECT_EQ(list.IndexOf("192"), -1) << "whole strings only";
    EXPECT_EQ(TStringList().IndexOf(""), -1);
}
