#include "platform/framework/TObject.h"

#include <gtest/gtest.h>

#include "platform/framework/TComponent.h"
#include "platform/framework/TStringList.h"

namespace sample {

class TButton : public framework::TComponent {
  public:
    using TComponent::TComponent;
};
class TBitBtn : public TButton {
  public:
    using TButton::TButton;
};
template <typename T>
class TBox : public framework::TObject {};

}  // namespace sample

class TUpDown : public framework::TComponent {
  public:
    using TComponent::TComponent;
};

TEST(ClassName, IsTheExactNameOfTheDynamicClass) {
    sample::TBitBtn bitButton(nullptr);
    const framework::TObject& asObject = bitButton;
    EXPECT_EQ(asObject.ClassName(), "TBitBtn");
    sample::TButton button(nullptr);
    EXPECT_EQ(button.ClassName(), "TButton");
    TUpDown upDown(nullptr);
    EXPECT_EQ(upDown.ClassName(), "TUpDown");
    EXPECT_EQ(framework::TStringList().ClassName(), "TStringList");
}

TEST(ClassName, KeepsQualifiersInsideTemplateArguments) {
    EXPECT_EQ(sample::TBox<sample::TButton>().ClassName(), "TBox<sample::TButton>");
}

TEST(ClassName, ComparesExactly) {
    sample::TBitBtn bitButton(nullptr);
    EXPECT_TRUE(bitButton.ClassNameIs("TBitBtn"));
    EXPECT_FALSE(bitButton.ClassNameIs("TButton"));
    EXPECT_FALSE(bitButton.ClassNameIs("tbitbtn"));
}

TEST(ClassKind, InheritsFromIncludesDescendants) {
    sample::TBitBtn bitButton(nullptr);
    sample::TButton button(nullptr);
    EXPECT_TRUE(bitButton.InheritsFrom<sample::TButton>());
    EXPECT_TRUE(bitButton.InheritsFrom<framework::TComponent>());
    EXPECT_FALSE(button.InheritsFrom<sample::TBitBtn>());
    EXPECT_FALSE(button.InheritsFrom<TUpDown>());
}
