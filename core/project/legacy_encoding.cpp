#include "core/project/legacy_encoding.h"

#include <QStringDecoder>

namespace kestrin {

QString LegacyEncodingOfLanguage(QLocale::Language language) {
  switch (language) {
    case QLocale::Persian:
    case QLocale::Arabic:
    case QLocale::Urdu: return QStringLiteral("windows-1256");
    case QLocale::Russian:
    case QLocale::Ukrainian:
    case QLocale::Bulgarian:
    case QLocale::Serbian: return QStringLiteral("windows-1251");
    case QLocale::Greek: return QStringLiteral("windows-1253");
    case QLocale::Turkish:
    case QLocale::Azerbaijani: return QStringLiteral("windows-1254");
    case QLocale::Hebrew: return QStringLiteral("windows-1255");
    case QLocale::Polish:
    case QLocale::Czech:
    case QLocale::Slovak:
    case QLocale::Hungarian:
    case QLocale::Slovenian:
    case QLocale::Croatian:
    case QLocale::Bosnian:
    case QLocale::Romanian:
    case QLocale::Albanian: return QStringLiteral("windows-1250");
    case QLocale::Estonian:
    case QLocale::Latvian:
    case QLocale::Lithuanian: return QStringLiteral("windows-1257");
    case QLocale::Vietnamese: return QStringLiteral("windows-1258");
    default: return QStringLiteral("windows-1252");
  }
}

QString LegacyEncodingName() {
  QString named = qEnvironmentVariable(kLegacyEncodingVariable).trimmed();
  if (!named.isEmpty()) return named;
  return LegacyEncodingOfLanguage(QLocale().language());
}

bool IsKnownTextEncoding(const QString& name) { return QStringDecoder(name.toLatin1().constData()).isValid(); }

}  // namespace kestrin
