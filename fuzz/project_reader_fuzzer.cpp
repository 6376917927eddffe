// Any bytes given as a project file: the reader must give a value or a
// refusal, never crash. What it reads must also be what it writes: writing
// the values and reading them again gives the same values, provided that no
// one-line text holds a double quote (the format does not escape it, and
// the quote ends the text).

#include "core/project/project_file.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool QuoteInOneLineText(const kestrin::ProjectData& project) {
  const auto quoted = [](const QString& text) { return text.contains(u'"'); };
  const kestrin::MainFieldTexts& f = project.fields;
  for (const QString* text : {&f.refrigerant, &f.capacity, &f.evaporating, &f.condensing, &f.superheat, &f.subcool,
                              &f.line, &f.designDrop, &f.totalLength, &f.riserLength, &f.additionalLoss})
    if (quoted(*text)) return true;
  for (const auto& count : project.fittingCounts)
    if (count && quoted(*count)) return true;
  if ((project.customer && quoted(*project.customer)) || (project.project && quoted(*project.project))) return true;
  for (const QString& caption : project.captions)
    if (quoted(caption)) return true;
  // A note on one line is cut at its quote like any other text.
  return !project.note.contains(u'\n') && quoted(project.note);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const kestrin::Outcome<kestrin::ProjectData> read = kestrin::ReadProject(bytes);
  if (!read.ok()) return 0;
  (void)kestrin::CheckProjectApplies(read.value());

  const QByteArray written = kestrin::WriteProject(read.value());
  const kestrin::Outcome<kestrin::ProjectData> again = kestrin::ReadProject(written);
  if (!again.ok()) std::abort();  // a file of our own writing must read
  if (!QuoteInOneLineText(read.value()) && !(again.value() == read.value())) std::abort();
  if (kestrin::WriteProject(again.value()) != written && !QuoteInOneLineText(read.value())) std::abort();
  return 0;
}
