#include "core/report/report_dates.h"

#include <QCalendar>

#include <array>

namespace kestrin {

QString GregorianDateText(const QDate& date) {
  if (!date.isValid()) {
    return {};
  }
  return QStringLiteral("%1/%2/%3   ").arg(date.day()).arg(date.month()).arg(date.year());
}

QString SolarHijriDateText(const QDate& date) {
  if (!date.isValid()) {
    return {};
  }
  // The arithmetic Jalali calendar: its Nowruz falls on the right day in
  // the years a fixed four-year pattern gets wrong.
  const QCalendar::YearMonthDay parts = QCalendar(QCalendar::System::Jalali).partsFromDate(date);
  return QStringLiteral("%1/%2/%3   %4")
      .arg(parts.year)
      .arg(parts.month)
      .arg(parts.day)
      .arg(WeekdayName(date.dayOfWeek()));
}

QString WeekdayName(int dayOfWeek) {
  static const std::array<QString, 7> kNames = {
      QStringLiteral(" monday"), QStringLiteral("tuesday"),  QStringLiteral("wednesday"), QStringLiteral("thursday"),
      QStringLiteral("friday"),  QStringLiteral("saturday"), QStringLiteral("sunday")};
  if (dayOfWeek < 1 || dayOfWeek > 7) {
    return {};
  }
  return kNames[static_cast<std::size_t>(dayOfWeek - 1)];
}

}  // namespace kestrin
