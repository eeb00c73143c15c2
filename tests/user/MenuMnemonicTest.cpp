// Which character of a menu item's text is its mnemonic.
#include <gtest/gtest.h>

#include "platform/user/MenuMnemonic.h"

using user::MenuMnemonic;

TEST(MenuMnemonic, TheCharacterAfterASingleAmpersandFoldedToLowerCase) {
    EXPECT_EQ(MenuMnemonic("&File"), U'f');
    EXPECT_EQ(MenuMnemonic("E&xit\tAlt+F4"), U'x');
    EXPECT_EQ(MenuMnemonic("操作(&A)"), U'a');
    EXPECT_EQ(MenuMnemonic("&打开"), U'打');
    EXPECT_EQ(MenuMnemonic("Save && Quit"), 0u) << "a doubled ampersand is the character itself";
    EXPECT_EQ(MenuMnemonic("Save &&&Quit"), U'q');
    EXPECT_EQ(MenuMnemonic("Trailing&"), 0u);
    EXPECT_EQ(MenuMnemonic("Tab\t&Shortcut text"), 0u) << "the shortcut column has no mnemonic";
    EXPECT_EQ(MenuMnemonic(""), 0u);
}
