#pragma once
// The single-byte Windows code page that older project files were written
// in. A file whose bytes are not UTF-8 came from such a system, and its
// texts are in the code page of its user's language.

#include <QLocale>
#include <QString>

namespace kestrin {

// The environment variable that names the code page, overriding the one of
// the user's language (for example "windows-1256").
inline constexpr char kLegacyEncodingVariable[] = "KESTRIN_LEGACY_ENCODING";

// The Windows code page of single-byte texts written in `language`, as its
// name: "windows-1256" for Persian, "windows-1252" for a language without a
// code page of its own.
QString LegacyEncodingOfLanguage(QLocale::Language language);

// The code page to read non-UTF-8 project files with: the one named by
// KESTRIN_LEGACY_ENCODING when it is set, else that of the default locale's
// language.
QString LegacyEncodingName();

// Whether `name` names a text encoding that files can be read in.
bool IsKnownTextEncoding(const QString& name);

}  // namespace kestrin
