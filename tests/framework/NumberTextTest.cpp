#include <gtest/gtest.h>

#include <string>

#include "platform/framework/EConvertError.h"
#include "platform/framework/FloatText.h"
#include "platform/framework/IntegerText.h"

using namespace framework;

TEST(IntegerText, DecimalAndHexadecimalForms) {
    EXPECT_EQ(StrToInt("128"), 128);
    EXPECT_EQ(StrToInt("-1"), -1);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("  42"), 42);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("0x1f"), 31);
    EXPECT_EQ(StrToInt("0X10"), 16);
    EXPECT_EQ(StrToInt("-$10"), -16);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
}

TEST(IntegerText, AnythingElseIsAConversionError) {
    for (const char* text : {"", " ", "abc", "12abc", "12 ", "1.5", "-", "$", "0x", "$G", "2147483648", "-2147483649",
                             "$100000000", "99999999999999999999"}) {
        EXPECT_THROW(StrToInt(text), EConvertError) << '"' << text << '"';
        EXPECT_EQ(StrToIntDef(text, 128), 128) << '"' << text << '"';
    }
}

TEST(IntegerText, TheConversionErrorNamesTheText) {
    try {
        StrToInt("12x");
        FAIL() << "no exception";
    } catch (const EConvertError& error) {
        EXPECT_NE(error.Message().find("'12x'"), std::string::npos) << error.Message();
    }
}

TEST(IntegerText, IntToStrIsPlainDecimal) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-95), "-95");
    EXPECT_EQ(IntToStr(2352044), "2352044");
    EXPECT_EQ(IntToStr(9007199254740993LL), "9007199254740993");
}

TEST(FloatText, GeneralFormatWithThreeSignificantDigits) {
    auto general = [](double value) { return FloatToStrF(value, TFloatFormat::ffGeneral, 3, 0); };
    EXPECT_EQ(general(1.5), "1.5");
    EXPECT_EQ(general(12.345), "12.3");
    EXPECT_EQ(general(0), "0");
    EXPECT_EQ(general(59.999), "60");
    EXPECT_EQ(general(7), "7");
    EXPECT_EQ(general(0.25), "0.25");
    EXPECT_EQ(general(0.001234), "0.00123");
    EXPECT_EQ(general(-2.5), "-2.5");
    EXPECT_EQ(general(100), "100");
    EXPECT_EQ(general(12.35), "12.3");  // 12.35 is stored just below the half
}

TEST(FloatText, ScientificBeyondThePrecision) {
    EXPECT_EQ(FloatToStrF(1234.5, TFloatFormat::ffGeneral, 3, 0), "1.23E+3");
    EXPECT_EQ(FloatToStrF(1234.5, TFloatFormat::ffGeneral, 3, 2), "1.23E+03");
    EXPECT_EQ(FloatToStrF(0.0000012, TFloatFormat::ffGeneral, 3, 0), "1.2E-6");
    EXPECT_EQ(FloatToStrF(999.6, TFloatFormat::ffGeneral, 3, 0), "1E+3");
}
