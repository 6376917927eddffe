// Project files written by hand or by another program, with numbers no
// window would let through (negative, huge, tiny, not numbers at all), for
// every refrigerant, line, unit system, working mode and property source:
// each either sizes with finite, non-negative figures that fit their fields
// and a catalogue size, or is refused with a message. Thousands run in
// process; a smaller batch runs through the built kestrin-size.

#include "cli/size_tool.h"
#include "core/physics/refrigerant.h"
#include "core/physics/tube_catalogue.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <array>
#include <cmath>
#include <random>
#include <string>

using namespace Qt::StringLiterals;

namespace kestrin {
namespace {

// Random project files, the same on every run for one seed.
class WildProjects {
 public:
  explicit WildProjects(unsigned seed) : random_(seed) {}

  struct Case {
    QByteArray file;
    PropertySource properties = PropertySource::Correlations;
    QString minimumCapacity;
  };

  Case Next() {
    ProjectData p;
    p.unit = Pick({0, 0, 1, 1, 7});
    p.mode = Pick({0, 0, 1, 1, -3});
    const bool si = p.unit != 0;
    p.tubes = {Pick({TubeSeries::TypeK, TubeSeries::TypeL, TubeSeries::EN12735}),
               Pick({DesignClimate::UpTo32C, DesignClimate::UpTo38C, DesignClimate::UpTo43C})};
    // Most files keep most fields plausible, so that many size; the rest
    // run wild in a few fields or in all of them.
    std::array<bool, 12> wild{};
    const int wildFields = Pick({0, 1, 1, 2, 2, 3, 12});
    for (int i = 0; i < wildFields; ++i) wild[Index(wild.size())] = true;

    QStringList refrigerants = RefrigerantNames();
    refrigerants << QString() << u"R12"_s;
    p.fields.refrigerant =
        Chance(0.97) ? refrigerants[static_cast<qsizetype>(Index(RefrigerantNames().size()))] : Pick(refrigerants);
    p.fields.capacity = Field(wild[0], si ? Uniform(2, 350) : Uniform(0.5, 100));
    p.fields.evaporating = Field(wild[1], si ? Uniform(-40, 10) : Uniform(-40, 50));
    p.fields.condensing = Field(wild[2], si ? Uniform(27, 60) : Uniform(80, 140));
    p.fields.superheat = Field(wild[3], si ? Uniform(0, 15) : Uniform(0, 30));
    p.fields.subcool = Field(wild[4], si ? Uniform(0, 8) : Uniform(0, 15));
    p.fields.line = Chance(0.98) ? Pick({u"Suction"_s, u"Discharge"_s, u"Liquid"_s}) : QString();
    if (p.mode == 0) {
      p.fields.designDrop = Field(wild[5], si ? Uniform(0.05, 0.4) : Uniform(0.5, 6));
    } else {
      p.fields.designDrop = wild[5] ? WildNumber() : Pick(CheckingTubeNames(p.tubes.series));
    }
    const double length = si ? Uniform(3, 150) : Uniform(10, 500);
    p.fields.totalLength = Field(wild[6], length);
    p.fields.riserLength = Field(wild[7], Chance(0.3) ? 0 : Uniform(0, length));
    p.fields.additionalLoss = Field(wild[8], si ? Uniform(0, 0.1) : Uniform(0, 1));
    for (auto& count : p.fittingCounts) {
      if (Chance(0.3)) count = wild[9] ? WildNumber() : QString::number(Index(6));
    }
    p.captions = ShownCaptions(ProjectUnitSystem(p), ProjectWorkingMode(p));
    Case c;
    c.file = WriteProject(p);
    c.properties = Chance(0.5) ? PropertySource::Correlations : PropertySource::Reference;
    c.minimumCapacity = Field(wild[10], si ? Uniform(1, 100) : Uniform(0.3, 30));
    return c;
  }

 private:
  double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }
  std::size_t Index(std::size_t size) { return std::uniform_int_distribution<std::size_t>(0, size - 1)(random_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
  template <class T>
  T Pick(std::initializer_list<T> items) {
    return *(items.begin() + Index(items.size()));
  }
  QString Pick(const QStringList& items) { return items[static_cast<qsizetype>(Index(items.size()))]; }

  QString Field(bool wild, double plausible) { return wild ? WildNumber() : QString::number(plausible, 'g', 6); }

  QString WildNumber() {
    const double sign = Chance(0.5) ? 1 : -1;
    switch (Index(6)) {
      case 0: return QString::number(sign * std::pow(10.0, Uniform(9, 308)), 'g', 17);
      case 1: return QString::number(sign * std::pow(10.0, Uniform(-323, -5)), 'g', 17);
      case 2: return QString::number(sign * Uniform(0, 1000), 'g', 8);
      case 3:
        return Pick({u"0"_s, u"-0"_s, u"1e308"_s, u"-1e308"_s, u"1.7976931348623157e308"_s, u"4.9e-324"_s,
                     u"9999999999"_s, u"-40"_s, u"55"_s, u"60"_s, u"150"_s, u"1500"_s, u"300"_s});
      case 4: return Pick({QString(), u"abc"_s, u"."_s, u"-"_s, u"1,5"_s, u"inf"_s, u"nan"_s, u"1e309"_s});
      default: return QString::number(sign * std::pow(10.0, Uniform(-3, 12)), 'g', 12);
    }
  }

  std::mt19937 random_;
};

// A figure as an output field shows it: at most ten digits before the point.
bool Shown(const QJsonValue& value, bool mayBeNegative) {
  static const QRegularExpression figure(u"^-?[0-9]{1,10}(\\.[0-9]+)?$"_s);
  const QString text = value.toString();
  return figure.match(text).hasMatch() && (mayBeNegative || !text.startsWith(u'-'));
}

bool FiniteNotNegative(const QJsonValue& value) {
  return value.isDouble() && std::isfinite(value.toDouble()) && value.toDouble() >= 0;
}

// The size a JSON line names, in the series it names.
bool NamesATube(const QJsonObject& o, const QString& sizeKey, const QJsonObject& in) {
  for (const TubeSeries series : kTubeSeries)
    if (TubeSeriesTitle(series) == o[u"tube_series"_s].toString())
      return SizeIndexOf(series, in[sizeKey].toString()).has_value();
  return false;
}

// What kestrin-size --json says of one file is either a sized line with
// figures that fit their fields, or a refusal with a message.
void ExpectSizedOrRefused(const QJsonObject& o) {
  const QString where = o[u"file"_s].toString();
  SCOPED_TRACE(where.toStdString() + " " + QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString());
  if (!o[u"ok"_s].toBool()) {
    EXPECT_FALSE(o[u"error"_s].toString().isEmpty());
    EXPECT_TRUE(o[u"line_size"_s].isNull());
    return;
  }
  EXPECT_TRUE(o[u"error"_s].isNull());
  EXPECT_TRUE(NamesATube(o, u"line_size"_s, o));
  EXPECT_TRUE(o[u"pressure_rating"_s].isNull() || o[u"pressure_rating"_s].isObject());
  EXPECT_TRUE(Shown(o[u"total_pressure_drop"_s], false));
  EXPECT_TRUE(Shown(o[u"velocity"_s], false));
  EXPECT_TRUE(Shown(o[u"equivalent_length"_s], false));
  EXPECT_TRUE(Shown(o[u"traps"_s], false));
  EXPECT_TRUE(o[u"saturation_drop"_s].isNull() || Shown(o[u"saturation_drop"_s], true));
  const QJsonObject raw = o[u"raw"_s].toObject();
  for (const char16_t* key : {u"pressure_drop_psi", u"velocity_fps", u"equivalent_length_ft", u"mass_flow_lb_h"})
    EXPECT_TRUE(FiniteNotNegative(raw[QString::fromUtf16(key)])) << QString::fromUtf16(key).toStdString();
  if (!o[u"riser"_s].isObject()) return;
  const QJsonObject riser = o[u"riser"_s].toObject();
  if (riser[u"ok"_s].toBool()) {
    EXPECT_TRUE(NamesATube(o, u"line_size"_s, riser));
    EXPECT_TRUE(Shown(riser[u"velocity"_s], false));
  } else {
    EXPECT_FALSE(riser[u"error"_s].toString().isEmpty());
  }
}

QJsonObject JsonOf(const QString& line) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
  return document.object();
}

TEST(WildProjectFiles, EachSizesWithFiguresThatFitOrIsRefused) {
  WildProjects projects(20261209);
  int sized = 0;
  constexpr int kFiles = 3000;
  for (int i = 0; i < kFiles; ++i) {
    const WildProjects::Case c = projects.Next();
    const QString path = u"wild-%1.kst"_s.arg(i);
    const Outcome<ProjectData> project = ReadProject(c.file);
    ASSERT_TRUE(project.ok()) << c.file.toStdString();
    const FileSizing sizing = SizeProject(path, project.value(), c.minimumCapacity, ProjectFileLocale(), c.properties);
    ExpectSizedOrRefused(JsonOf(SizingJson(sizing, true)));
    if (sizing.shown()) ++sized;
    if (::testing::Test::HasFailure()) {
      ADD_FAILURE() << "the file that failed:\n" << c.file.toStdString();
      return;
    }
  }
  // The plausible fields keep a fair share sizing, so the sized branch is
  // tried as well as the refusals.
  EXPECT_GT(sized, kFiles / 10);
  EXPECT_LT(sized, kFiles * 9 / 10);
}

TEST(WildProjectFiles, ThroughTheBuiltTool) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  WildProjects projects(7);
  QStringList arguments = {u"--json"_s, u"--min-capacity"_s, u"3"_s};
  for (int i = 0; i < 200; ++i) {
    const QString name = u"wild-%1.kst"_s.arg(i, 3, 10, QLatin1Char('0'));
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(projects.Next().file);
    arguments += name;
  }
  for (const char* source : {"correlations", "reference"}) {
    SCOPED_TRACE(source);
    QProcess tool;
    tool.setWorkingDirectory(dir.path());
    tool.start(QStringLiteral(KESTRIN_SIZE_TOOL),
               QStringList{u"--properties-source"_s, QString::fromLatin1(source)} + arguments);
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitStatus(), QProcess::NormalExit);
    EXPECT_TRUE(tool.exitCode() == kExitRefused || tool.exitCode() == kExitUnusable) << tool.exitCode();
    const QStringList lines = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 200);
    for (const QString& line : lines) ExpectSizedOrRefused(JsonOf(line));
    for (const QString& told : QString::fromUtf8(tool.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts))
      EXPECT_TRUE(told.startsWith(u"kestrin-size: "_s)) << told.toStdString();
  }
}

}  // namespace
}  // namespace kestrin
