#include "core/units/number_text.h"

#include <cmath>

namespace kestrin {
namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Sign, digits with at most one decimal point and at least one digit, then
// an optional exponent. Rewritten with '.' so that the C locale reads it.
std::optional<QString> CanonicalDecimal(const QString& trimmed, const QLocale& locale) {
  const QString point = locale.decimalPoint();
  QString canonical;
  qsizetype i = 0;
  const qsizetype n = trimmed.size();
  auto atSign = [&] { return i < n && (trimmed[i] == u'+' || trimmed[i] == u'-'); };
  if (atSign()) canonical += trimmed[i++];
  int digits = 0;
  bool pointSeen = false;
  while (i < n) {
    if (IsDigit(trimmed[i])) {
      canonical += trimmed[i++];
      ++digits;
    } else if (!pointSeen && QStringView(trimmed).mid(i).startsWith(point)) {
      canonical += u'.';
      i += point.size();
      pointSeen = true;
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < n && (trimmed[i] == u'e' || trimmed[i] == u'E')) {
    canonical += u'e';
    ++i;
    if (atSign()) canonical += trimmed[i++];
    int exponentDigits = 0;
    while (i < n && IsDigit(trimmed[i])) {
      canonical += trimmed[i++];
      ++exponentDigits;
    }
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != n) return std::nullopt;
  return canonical;
}

}  // namespace

std::optional<double> ParseNumber(const QString& text, const QLocale& locale) {
  const auto canonical = CanonicalDecimal(text.trimmed(), locale);
  if (!canonical) return std::nullopt;
  bool ok = false;
  const double value = QLocale::c().toDouble(*canonical, &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

bool IsNumeric(const QString& text, const QLocale& locale) { return ParseNumber(text, locale).has_value(); }

double RoundedTo(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::round(value * scale) / scale;
}

QString FormatFixed(double value, int decimals, const QLocale& locale) {
  double rounded = RoundedTo(value, decimals);
  if (rounded == 0) rounded = 0;  // never "-0.00"
  QLocale plain = locale;
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  return plain.toString(rounded, 'f', decimals);
}

}  // namespace kestrin
