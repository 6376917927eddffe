#include "core/physics/reference/mixture_pairs_file.h"

#include "core/physics/reference/fluid_data_file.h"
#include "core/physics/reference/json_field_reader.h"

#include <QJsonDocument>

namespace kestrin {

namespace {

PairParameters ReadPair(FieldReader& r, const QJsonObject& o, const QJsonObject& departures) {
  PairParameters pair;
  const QJsonValue fluids = o.value(QStringLiteral("fluids"));
  const QJsonArray names = fluids.toArray();
  if (names.size() != 2 || !names[0].isString() || !names[1].isString() || names[0] == names[1])
    r.Fail(QStringLiteral("a pair needs two different \"fluids\""));
  pair.first = names[0].toString();
  pair.second = names[1].toString();
  r.Text(o, QStringLiteral("source"));
  if (o.contains(QStringLiteral("linear"))) {
    const QJsonObject linear = r.Object(o, QStringLiteral("linear"));
    pair.linear = true;
    pair.xiK = r.Number(linear, QStringLiteral("xiK"));
    pair.zetaM3PerMol = r.Number(linear, QStringLiteral("zetaM3PerMol"));
  } else {
    const QJsonObject kw = r.Object(o, QStringLiteral("kunzWagner"));
    pair.betaT = r.Positive(kw, QStringLiteral("betaT"));
    pair.gammaT = r.Positive(kw, QStringLiteral("gammaT"));
    pair.betaV = r.Positive(kw, QStringLiteral("betaV"));
    pair.gammaV = r.Positive(kw, QStringLiteral("gammaV"));
  }
  pair.departureFactor = r.Number(o, QStringLiteral("departureFactor"));
  if (pair.departureFactor != 0 && !r.Failed()) {
    const QString name = r.Text(o, QStringLiteral("departure"));
    const QJsonObject function = r.Object(departures, name);
    r.Text(function, QStringLiteral("source"));
    if (!r.Failed()) ReadResidualTerms(r, function, pair.departure);
  }
  return pair;
}

}  // namespace

std::optional<std::vector<PairParameters>> ParseMixturePairs(const QByteArray& json, QString* error) {
  QJsonParseError parseError;
  const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
  FieldReader r;
  if (!doc.isObject()) r.Fail(QStringLiteral("not a JSON object: %1").arg(parseError.errorString()));
  const QJsonObject root = doc.object();
  r.Text(root, QStringLiteral("source"));
  const QJsonObject departures = r.Object(root, QStringLiteral("departureFunctions"));
  std::vector<PairParameters> pairs;
  if (!root.value(QStringLiteral("pairs")).isArray()) r.Fail(QStringLiteral("missing array \"pairs\""));
  const QJsonArray list = root.value(QStringLiteral("pairs")).toArray();
  for (const QJsonValue entry : list) {
    if (r.Failed()) break;
    if (!entry.isObject()) r.Fail(QStringLiteral("a pair that is no object"));
    pairs.push_back(ReadPair(r, entry.toObject(), departures));
  }
  if (r.Failed()) {
    if (error) *error = r.Error();
    return std::nullopt;
  }
  return pairs;
}

}  // namespace kestrin
