#pragma once
// Text taken from a file, made safe to show inside a message: a file may
// hold terminal escape sequences, line breaks or a line of a megabyte.

#include <QString>
#include <QStringView>

namespace kestrin {

// The longest quoted text shown, in characters, before it is cut with "…".
inline constexpr qsizetype kLongestQuotedFileText = 80;

// `text` between double quotes, with control characters (and the marks that
// reorder the text around them) written as escapes such as \e, \n or
// \u{202E}, and a backslash as \\; cut after about
// kLongestQuotedFileText characters with "…" before the closing quote.
QString QuotedFileText(QStringView text);

}  // namespace kestrin
