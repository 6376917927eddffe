#include "core/project/quoted_file_text.h"

namespace kestrin {

namespace {

// Characters that reorder the text shown around them, so a file could make
// a message read differently from what it says.
bool IsDirectionMark(char32_t c) { return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069); }

QString Escaped(char32_t c) {
  switch (c) {
    case u'\\': return QStringLiteral("\\\\");
    case u'\t': return QStringLiteral("\\t");
    case u'\n': return QStringLiteral("\\n");
    case u'\r': return QStringLiteral("\\r");
    case 0x1B: return QStringLiteral("\\e");
    default: break;
  }
  const bool control = QChar::category(c) == QChar::Other_Control || c == 0x2028 || c == 0x2029;
  if (control || IsDirectionMark(c))
    return QStringLiteral("\\u{%1}").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'));
  return QString::fromUcs4(&c, 1);
}

}  // namespace

QString QuotedFileText(QStringView text) {
  QString quoted(1, u'"');
  for (qsizetype i = 0; i < text.size(); ++i) {
    char32_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
    }
    const QString shown = Escaped(c);
    if (quoted.size() - 1 + shown.size() > kLongestQuotedFileText) {
      quoted += u'…';
      break;
    }
    quoted += shown;
  }
  quoted += u'"';
  return quoted;
}

}  // namespace kestrin
