#pragma once
// Numbers as the user types and reads them, in the user's locale.

#include <QLocale>
#include <QString>

#include <optional>

namespace kestrin {

// The number in a field's text, or nothing when the text is not numeric. The
// whole text, blanks around it allowed, must be a decimal number written with
// the locale's decimal point (an exponent is allowed); empty text, "inf",
// "nan", hexadecimal and group separators are not numbers.
std::optional<double> ParseNumber(const QString& text, const QLocale& locale = QLocale());

bool IsNumeric(const QString& text, const QLocale& locale = QLocale());

// The value rounded half away from zero to `decimals` places and written with
// exactly that many decimals: the "0", "0.0" and "0.00" patterns.
QString FormatFixed(double value, int decimals, const QLocale& locale = QLocale());

// The value that a text written by FormatFixed reads back as.
double RoundedTo(double value, int decimals);

}  // namespace kestrin
