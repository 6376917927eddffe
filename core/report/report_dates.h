#pragma once
// The two dates the report carries: the Gregorian date and the Solar Hijri
// date with the name of the weekday.

#include <QDate>
#include <QString>

namespace kestrin {

// D/M/Y without leading zeros, then three blanks: "7/12/2006   ".
QString GregorianDateText(const QDate& date);

// year/month/day in the Solar Hijri calendar, three blanks and the weekday:
// "1385/9/16   thursday". Monday's name carries a blank of its own.
QString SolarHijriDateText(const QDate& date);

// The weekday names as the report writes them; `dayOfWeek` counts as QDate
// does, 1 = Monday .. 7 = Sunday.
QString WeekdayName(int dayOfWeek);

}  // namespace kestrin
