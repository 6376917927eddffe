#include "core/report/report_dates.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

struct DatedCase {
  const char* what;
  QDate gregorian;
  const char* solarHijri;
};

TEST(SolarHijriDate, WorkedDatesAndLeapYearsFallOnTheirCalendarDays) {
  const DatedCase cases[] = {
      {"worked: early December", {2006, 12, 7}, "1385/9/16   thursday"},
      {"worked: Nowruz", {2006, 3, 21}, "1385/1/1   tuesday"},
      {"worked: last day of a leap year", {2009, 3, 20}, "1387/12/30   friday"},
      {"worked: New Year's Day", {2006, 1, 1}, "1384/10/11   sunday"},
      {"worked: first of Esfand", {2006, 2, 20}, "1384/12/1    monday"},
      {"worked: New Year's Eve", {2006, 12, 31}, "1385/10/10   sunday"},
      {"Nowruz on 20 March in a Gregorian leap year", {2008, 3, 20}, "1387/1/1   thursday"},
      {"Nowruz 1395", {2016, 3, 20}, "1395/1/1   sunday"},
      {"Esfand 30 of leap year 1395", {2017, 3, 20}, "1395/12/30    monday"},
      {"Esfand 30 of leap year 1399", {2021, 3, 20}, "1399/12/30   saturday"},
      {"29 February", {2024, 2, 29}, "1402/12/10   thursday"},
      {"Nowruz 1403", {2024, 3, 20}, "1403/1/1   wednesday"},
      {"Esfand 30 of leap year 1403", {2025, 3, 20}, "1403/12/30   thursday"},
      {"Nowruz 1404", {2025, 3, 21}, "1404/1/1   friday"},
      {"Nowruz 1408, where a four-year table is a day late", {2029, 3, 20}, "1408/1/1   tuesday"},
      {"last of Shahrivar, six months of 31 days", {2006, 9, 22}, "1385/6/31   friday"},
      {"first of Mehr", {2006, 9, 23}, "1385/7/1   saturday"},
  };
  for (const DatedCase& c : cases) {
    EXPECT_EQ(SolarHijriDateText(c.gregorian).toStdString(), c.solarHijri) << c.what;
  }
}

TEST(GregorianDate, DayMonthYearWithoutLeadingZerosThenThreeBlanks) {
  EXPECT_EQ(GregorianDateText({2006, 12, 7}), u"7/12/2006   "_qs);
  EXPECT_EQ(GregorianDateText({2024, 1, 5}), u"5/1/2024   "_qs);
  EXPECT_EQ(GregorianDateText({2031, 11, 30}), u"30/11/2031   "_qs);
}

TEST(ReportDates, AnInvalidDateWritesNothing) {
  EXPECT_TRUE(GregorianDateText(QDate()).isEmpty());
  EXPECT_TRUE(SolarHijriDateText(QDate()).isEmpty());
}

TEST(WeekdayName, MondayAloneCarriesALeadingBlank) {
  const char* names[] = {" monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"};
  for (int day = 1; day <= 7; ++day) {
    EXPECT_EQ(WeekdayName(day).toStdString(), names[day - 1]);
  }
  EXPECT_TRUE(WeekdayName(0).isEmpty());
  EXPECT_TRUE(WeekdayName(8).isEmpty());
}

}  // namespace
}  // namespace kestrin
