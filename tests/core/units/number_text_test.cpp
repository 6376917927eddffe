#include "core/units/number_text.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

TEST(ParseNumber, AcceptsDecimalNumbersOnly) {
  const QLocale c = QLocale::c();
  struct Case {
    const char16_t* text;
    std::optional<double> value;
  };
  for (const Case& t : {Case{u"10", 10.0},
                        Case{u" 2.5 ", 2.5},
                        Case{u"-40", -40.0},
                        Case{u".5", 0.5},
                        Case{u"5.", 5.0},
                        Case{u"+3", 3.0},
                        Case{u"1e2", 100.0},
                        Case{u"", std::nullopt},
                        Case{u"   ", std::nullopt},
                        Case{u"-", std::nullopt},
                        Case{u".", std::nullopt},
                        Case{u"inf", std::nullopt},
                        Case{u"nan", std::nullopt},
                        Case{u"0x10", std::nullopt},
                        Case{u"1,000", std::nullopt},
                        Case{u"1.2.3", std::nullopt},
                        Case{u"1e", std::nullopt},
                        Case{u"1e999", std::nullopt},
                        Case{u"5/8", std::nullopt},
                        Case{u"12abc", std::nullopt}})
    EXPECT_EQ(ParseNumber(QString::fromUtf16(t.text), c), t.value) << QString::fromUtf16(t.text).toStdString();
}

TEST(ParseNumber, ReadsTheUsersDecimalComma) {
  const QLocale german(QLocale::German, QLocale::Germany);
  EXPECT_EQ(ParseNumber(u"0,5"_qs, german), 0.5);
  EXPECT_FALSE(ParseNumber(u"0.5"_qs, german));
  EXPECT_EQ(FormatFixed(2.345, 2, german), u"2,35"_qs);
}

TEST(FormatFixed, RoundsHalfAwayFromZero) {
  const QLocale c = QLocale::c();
  EXPECT_EQ(FormatFixed(2.5, 0, c), u"3"_qs);
  EXPECT_EQ(FormatFixed(351.68, 0, c), u"352"_qs);
  EXPECT_EQ(FormatFixed(0.125, 2, c), u"0.13"_qs);
  EXPECT_EQ(FormatFixed(-0.001, 2, c), u"0.00"_qs);
  EXPECT_EQ(FormatFixed(12345.67, 1, c), u"12345.7"_qs);
  EXPECT_EQ(FormatFixed(12345.67, 1, QLocale(QLocale::English, QLocale::UnitedStates)), u"12345.7"_qs);
}

}  // namespace
}  // namespace kestrin
