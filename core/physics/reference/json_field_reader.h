#pragma once
// Reading the numbers of a data file's JSON objects with one clear reason
// for the first thing wrong.

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <cmath>
#include <vector>

namespace kestrin {

// Reads fields and remembers the first problem, so that parsing reads
// straight through and reports one clear reason.
class FieldReader {
 public:
  bool Failed() const { return !error_.isEmpty(); }
  QString Error() const { return error_; }

  void Fail(const QString& what) {
    if (error_.isEmpty()) error_ = what;
  }

  QJsonObject Object(const QJsonObject& parent, const QString& key) {
    const QJsonValue v = parent.value(key);
    if (!v.isObject()) Fail(QStringLiteral("missing object \"%1\"").arg(key));
    return v.toObject();
  }

  double Number(const QJsonObject& parent, const QString& key) {
    const QJsonValue v = parent.value(key);
    if (!v.isDouble() || !std::isfinite(v.toDouble())) {
      Fail(QStringLiteral("missing or invalid number \"%1\"").arg(key));
      return 0;
    }
    return v.toDouble();
  }

  double Positive(const QJsonObject& parent, const QString& key) {
    const double x = Number(parent, key);
    if (!(x > 0)) Fail(QStringLiteral("\"%1\" must be positive").arg(key));
    return x;
  }

  QString Text(const QJsonObject& parent, const QString& key) {
    const QJsonValue v = parent.value(key);
    if (!v.isString() || v.toString().isEmpty()) Fail(QStringLiteral("missing text \"%1\"").arg(key));
    return v.toString();
  }

  std::vector<double> Numbers(const QJsonObject& parent, const QString& key, qsizetype count = -1) {
    std::vector<double> out;
    const QJsonValue v = parent.value(key);
    if (!v.isArray()) {
      Fail(QStringLiteral("missing array \"%1\"").arg(key));
      return out;
    }
    const QJsonArray a = v.toArray();
    if (count >= 0 && a.size() != count) Fail(QStringLiteral("array \"%1\" has the wrong length").arg(key));
    for (const auto& x : a) {
      if (!x.isDouble() || !std::isfinite(x.toDouble())) Fail(QStringLiteral("non-number in \"%1\"").arg(key));
      out.push_back(x.toDouble());
    }
    return out;
  }

  std::vector<int> Integers(const QJsonObject& parent, const QString& key, qsizetype count, int low, int high) {
    std::vector<int> out;
    for (double x : Numbers(parent, key, count)) {
      if (x != std::floor(x) || x < low || x > high) {
        Fail(QStringLiteral("\"%1\" must hold integers from %2 to %3").arg(key).arg(low).arg(high));
        return {};
      }
      out.push_back(static_cast<int>(x));
    }
    return out;
  }

 private:
  QString error_;
};

}  // namespace kestrin
