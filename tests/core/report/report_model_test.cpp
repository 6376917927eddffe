#include "core/report/report_model.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrin {
namespace {

const QLocale kC = QLocale::c();
const QDateTime kPrinted(QDate(2006, 12, 7), QTime(14, 5, 9));

ReportInputs SuctionCase() {
  ReportInputs in;
  in.fields = {u"R22"_qs,     u"20"_qs, u"40"_qs,  u"105"_qs, u"10"_qs, u"5"_qs,
               u"Suction"_qs, u"2"_qs,  u"100"_qs, u"20"_qs,  u"0"_qs};
  in.outputs = {{u"2 1/8"_qs, u"Copper Tube Outside diameter (2 Nominal size)"_qs, u"1.23"_qs, u"45.12"_qs, u"130.5"_qs,
                 u"1"_qs, u"0.9"_qs, QString()},
                false};
  in.fittingCounts = {u"1"_qs, u"0"_qs, u"0"_qs, u"0"_qs, u"4"_qs, u"2"_qs, u"1"_qs, u"0"_qs, u"0"_qs, u"1"_qs};
  return in;
}

ReportModel Build(const ReportInputs& in) { return BuildReport(in, kPrinted, kC); }

// Every caption of the sheet in reading order, exactly as printed (the dot
// leaders differ between the unit systems), where it sits, and the field
// that reads beside it on the same row. The working mode changes none of
// them: in checking mode only the design drop's value changes.
TEST(ReportModel, EveryCaptionInItsRowInBothUnitSystemsAndModes) {
  struct Row {
    const char* name;
    const char* ip;
    const char* si;
    int left, top;
    const char* field;  // the value on the caption's row, if any
  };
  const Row rows[] = {
      {"Label3", "Customer :", "Customer :", 240, 1800, nullptr},
      {"Label12", "Date :", "Date :", 9000, 1800, nullptr},
      {"Label4", "Project :", "Project :", 360, 2160, nullptr},
      {"Label5", "Note :", "Note :", 600, 2520, nullptr},
      {"Label13", "Time :", "Time :", 9000, 2520, nullptr},
      {"Label14", "Input Data :", "Input Data :", 600, 4080, nullptr},
      {"L1", "Refrigerant type : .....................................",
       "Refrigerant type : .....................................", 1920, 4560, "T1"},
      {"L11", "No. of Solenoid Valves :  .........................",
       "No. of Solenoid Valves :  .........................", 6960, 4560, "T11"},
      {"L2", "System Capacity (tons):  ..........................",
       "System Capacity (Kw):  .............................", 1920, 4920, "T2"},
      {"L12", "No. of Globe Valves :  ..............................",
       "No. of Globe Valves :  ..............................", 6960, 4920, "T12"},
      {"L3", "Evaporating Temperature (F) :  ................", "Evaporating Temperature (C) :  ................", 1920,
       5280, "T3"},
      {"L13", "No. of Angle Valves :  ..............................",
       "No. of Angle Valves :  ..............................", 6960, 5280, "T13"},
      {"L4", "Condensing Temperature (F) :  ................", "Condensing Temperature (C) :  .................", 1920,
       5640, "T4"},
      {"L14", "No. of Check Valves :   ............................",
       "No. of Check Valves :   ............................", 6960, 5640, "T14"},
      {"L5", "Superheat (F) :  ........................................",
       "Superheat (C) :  ........................................", 1920, 6000, "T5"},
      {"L15", "No. of 90 Short Radius Elbows :  .............", "No. of 90 Short Radius Elbows :  .............", 6960,
       6000, "T15"},
      {"L6", "Subcool (F) :  ...........................................",
       "Subcool (C) :  ...........................................", 1920, 6360, "T6"},
      {"L16", "No. of 90 Long Radius Elbows :  .............", "No. of 90 Long Radius Elbows :  .............", 6960,
       6360, "T16"},
      {"L7", "Design Pressure Drop (psi) :  ...................", "Design Pressure Drop (bar) :  ....................",
       1920, 6720, "T7"},
      {"L17", "No. of 45 Elbows :  ..................................",
       "No. of 45 Elbows :  ..................................", 6960, 6720, "T17"},
      {"L8", "Total Line Length (Ft) :  ...........................",
       "Total Line Length (m) :  ............................", 1920, 7080, "T8"},
      {"L18", "No. of Tee Line Flows :  ..........................",
       "No. of Tee Line Flows :  ..........................", 6960, 7080, "T18"},
      {"L9", "Riser Length (Ft) :  ...................................",
       "Riser Length (m) :  ....................................", 1920, 7440, "T9"},
      {"L19", "No. of Tee Branch Flows :  ......................", "No. of Tee Branch Flows :  ......................",
       6960, 7440, "T19"},
      {"L10", "Additional loss (psi) :  ...............................",
       "Additional loss (bar) :  ................................", 1920, 7800, "T10"},
      {"L20", "No. of Sight Glass's :  ..............................",
       "No. of Sight Glass's :  ..............................", 6960, 7800, "T20"},
      {"Label1", "Output Data :", "Output Data :", 600, 8280, nullptr},
      {"L21", "Line Size :  ................................", "Line Size :  ................................", 1200,
       8760, "T21"},
      {"L22", "Velocity :  ..................................", "Velocity :  ..................................", 1200,
       9240, "T22"},
      {"L26", "FPS", "m/s", 4920, 9240, nullptr},
      {"L25", "Equivalent Lengths :  .................", "Equivalent Lengths :  .................", 6480, 9240, "T24"},
      {"L28", "Ft", "meter", 10200, 9240, nullptr},
      {"L24", "Total Pressure Drop  :  ................", "Total Pressure Drop  :  ................", 1200, 9600,
       "T23"},
      {"L27", "PSI", "bar", 4920, 9600, nullptr},
      {"L23", "No of Trap :  ..............................", "No of Trap :  ..............................", 6480,
       9600, "T25"},
  };
  for (const UnitSystem unit : {UnitSystem::IP, UnitSystem::SI}) {
    for (const WorkingMode mode : {WorkingMode::Design, WorkingMode::Checking}) {
      SCOPED_TRACE(std::string(unit == UnitSystem::SI ? "SI" : "IP") +
                   (mode == WorkingMode::Checking ? " checking" : " design"));
      ReportInputs in = SuctionCase();
      in.unit = unit;
      in.mode = mode;
      const ReportModel m = Build(in);
      for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString name = QString::fromLatin1(row.name);
        ASSERT_NE(m.Find(name), nullptr);
        EXPECT_EQ(m.Text(name).toStdString(), unit == UnitSystem::SI ? row.si : row.ip);
        EXPECT_EQ(m.Place(name).topLeft(), QPoint(row.left, row.top));
        if (row.field) {
          EXPECT_EQ(m.Place(QString::fromLatin1(row.field)).top(), row.top) << row.field;
        }
      }
    }
  }
}

TEST(ReportModel, InputsFittingsAndOutputsFillTheirFields) {
  const ReportModel m = Build(SuctionCase());
  EXPECT_EQ(m.Text(u"T1"_qs), u"R22"_qs);
  EXPECT_EQ(m.Text(u"T2"_qs), u"20"_qs);
  EXPECT_EQ(m.Text(u"T7"_qs), u"2"_qs);
  EXPECT_EQ(m.Text(u"T10"_qs), u"0"_qs);
  EXPECT_EQ(m.Text(u"T11"_qs), u"1"_qs);
  EXPECT_EQ(m.Text(u"T15"_qs), u"4"_qs);
  EXPECT_EQ(m.Text(u"T20"_qs), u"1"_qs);
  // Without an accepted riser each main value is still followed by the gap.
  EXPECT_EQ(m.Text(u"T21"_qs), u"2 1/8   "_qs);
  EXPECT_EQ(m.Text(u"T22"_qs), u"45.12   "_qs);
  EXPECT_EQ(m.Text(u"T23"_qs), u"1.23"_qs);
  EXPECT_EQ(m.Text(u"T24"_qs), u"130.5"_qs);
  EXPECT_EQ(m.Text(u"T25"_qs), u"1"_qs);
  EXPECT_EQ(m.Text(u"Lblline"_qs), u"Suction  line : From Evaporator To Compressor"_qs);
  EXPECT_EQ(m.Place(u"T7"_qs), QRect(5040, 4560 + 6 * 360, 1575, 285));
  EXPECT_EQ(m.Place(u"L20"_qs), QRect(6960, 4560 + 9 * 360, 3000, 255));
}

TEST(ReportModel, ReadingsSitInFreeRoomOfTheOutputBlockInTheUnitSystem) {
  ReportInputs in = SuctionCase();
  in.outputs.warning = u"Oil return: 12.10 FPS is below the 16.33 FPS that 2 1/8 needs in a suction riser."_qs;
  const ReportModel ip = Build(in);
  EXPECT_EQ(ip.Text(u"Tsatdrop"_qs), u"0.9 F saturation temp. drop"_qs);
  EXPECT_EQ(ip.Text(u"Lblwarning"_qs), in.outputs.warning);
  in.unit = UnitSystem::SI;
  in.outputs.doubleRiser = true;
  const ReportModel si = Build(in);
  EXPECT_EQ(si.Text(u"Tsatdrop"_qs), u"0.9 K saturation temp. drop"_qs);
  // Neither reading covers another item or crosses a rule.
  for (const ReportModel* m : {&ip, &si}) {
    for (const char* name : {"Tsatdrop", "Lblwarning"}) {
      const QRect place = m->Place(QString::fromLatin1(name));
      for (const ReportText& other : m->texts) {
        if (other.name == QString::fromLatin1(name)) continue;
        EXPECT_FALSE(place.intersects(other.place)) << name << " covers " << other.name.toStdString();
      }
      for (const QLine& rule : m->rules) EXPECT_FALSE(place.top() <= rule.y1() && rule.y1() <= place.bottom()) << name;
    }
  }
  in.outputs.saturationDrop.clear();
  EXPECT_EQ(Build(in).Text(u"Tsatdrop"_qs), QString());
}

TEST(ReportModel, CheckingModeReplacesTheDesignDropBesideItsCaption) {
  ReportInputs in = SuctionCase();
  in.mode = WorkingMode::Checking;
  in.unit = UnitSystem::SI;
  in.fields.designDrop = u"1 3/8"_qs;
  const ReportModel m = Build(in);
  EXPECT_EQ(m.Text(u"T7"_qs), u"checking mode"_qs);
  EXPECT_EQ(m.Text(u"L7"_qs), u"Design Pressure Drop (bar) :  ...................."_qs);
}

TEST(ReportModel, AcceptedSuctionRiserSitsBesideTheFullLoadValues) {
  ReportInputs in = SuctionCase();
  in.outputs.doubleRiser = true;
  in.riserOutput1 = u"1 1/8"_qs;
  in.riserOutput2 = u"38.40"_qs;
  const ReportModel m = Build(in);
  EXPECT_EQ(m.Text(u"T21"_qs), u"2 1/8   1 1/8"_qs);
  EXPECT_EQ(m.Text(u"T22"_qs), u"45.12   38.40"_qs);
  EXPECT_EQ(m.Text(u"Lbl30"_qs), u"      Double Riser"_qs);
  EXPECT_EQ(m.Place(u"T22"_qs).width(), 1300);
  EXPECT_EQ(m.Place(u"T23"_qs).width(), 800);
  EXPECT_EQ(m.Place(u"L26"_qs).left(), 5520);
  EXPECT_EQ(m.Place(u"L27"_qs).left(), 5520);
  EXPECT_EQ(m.drawing, ReportDrawing::SuctionRiser);
  EXPECT_EQ(m.drawingPlace, QRect(360, 10320, 3000, 4005));
  EXPECT_EQ(m.fullLoadSize, u"2 1/8"_qs);
  EXPECT_EQ(m.partLoadSize, u"1 1/8"_qs);
  EXPECT_EQ(m.Text(u"Label6"_qs), u"Riser"_qs);

  in.fields.line = u"Discharge"_qs;
  const ReportModel discharge = Build(in);
  EXPECT_EQ(discharge.drawing, ReportDrawing::DischargeRiser);
  EXPECT_EQ(discharge.drawingPlace, QRect(360, 10200, 3000, 4005));
}

TEST(ReportModel, CancelledRiserStillAppendsItsValuesButShowsTheTrap) {
  ReportInputs in = SuctionCase();
  in.riserOutput1 = u"1 1/8"_qs;
  in.riserOutput2 = u"38.40"_qs;
  const ReportModel m = Build(in);
  EXPECT_EQ(m.Text(u"T21"_qs), u"2 1/8   1 1/8"_qs);
  EXPECT_EQ(m.Text(u"Lbl30"_qs), in.outputs.description);
  EXPECT_EQ(m.Place(u"T22"_qs).width(), 600);
  EXPECT_EQ(m.Place(u"T23"_qs).width(), 600);
  EXPECT_EQ(m.Place(u"L26"_qs).left(), 4920);
  EXPECT_EQ(m.drawing, ReportDrawing::Trap);
  EXPECT_EQ(m.drawingPlace, QRect(360, 11400, 2745, 2460));
  EXPECT_EQ(m.Text(u"Label6"_qs), u"Trap"_qs);
  EXPECT_TRUE(m.partLoadSize.isEmpty());
}

TEST(ReportModel, ATickLeftOnALineWithoutRisersShowsTheTrap) {
  ReportInputs in = SuctionCase();
  in.outputs.doubleRiser = true;
  in.fields.line = u"Liquid"_qs;
  const ReportModel m = Build(in);
  EXPECT_EQ(m.drawing, ReportDrawing::Trap);
  EXPECT_EQ(m.Text(u"Label6"_qs), u"Trap"_qs);
}

TEST(ReportModel, LineDescriptionByLineAndNoneForAnyOtherText) {
  ReportInputs in = SuctionCase();
  const std::pair<const char*, const char*> lines[] = {
      {"Discharge", "Discharge  line : From Compressor To Condenser"},
      {"Liquid", "Liquid  line : From Condenser To Evaporator"},
      {"", ""},
      {"suction", ""},
  };
  for (const auto& [line, description] : lines) {
    in.fields.line = QString::fromLatin1(line);
    EXPECT_EQ(Build(in).Text(u"Lblline"_qs).toStdString(), description) << line;
  }
}

TEST(ReportModel, DatesTimeTitleAndFixedLines) {
  ReportInputs in = SuctionCase();
  in.title = {u"Northwind Foods"_qs, u"Cold store 3"_qs, u"Line A\nLine B"_qs};
  const ReportModel m = Build(in);
  EXPECT_EQ(m.Text(u"Txtmdate"_qs), u"7/12/2006   "_qs);
  EXPECT_EQ(m.Text(u"Txtdate"_qs), u"1385/9/16   thursday"_qs);
  EXPECT_EQ(m.Text(u"Txttime"_qs), u"14:05:09"_qs);
  EXPECT_EQ(m.Text(u"Txtcustomer"_qs), u"Northwind Foods"_qs);
  EXPECT_EQ(m.Text(u"Txtnote"_qs), u"Line A\nLine B"_qs);
  EXPECT_EQ(m.Place(u"Txtnote"_qs), QRect(1320, 2520, 7335, 735));
  EXPECT_TRUE(m.Text(u"Text1"_qs).contains(QStringLiteral(KESTRIN_VERSION)));
  EXPECT_FALSE(m.Text(u"Text3"_qs).isEmpty());
  EXPECT_EQ(ReportTimeText(QTime(16, 2, 3), QLocale(QLocale::English, QLocale::UnitedStates)), u"4:02:03 PM"_qs);
}

TEST(ReportModel, ReportBeforeAnyCalculationHasEmptyOutputsAndTheTrap) {
  const ReportModel m = Build(ReportInputs{});
  EXPECT_EQ(m.Text(u"T21"_qs), u"   "_qs);
  EXPECT_TRUE(m.Text(u"T23"_qs).isEmpty());
  EXPECT_TRUE(m.Text(u"Lblline"_qs).isEmpty());
  EXPECT_EQ(m.drawing, ReportDrawing::Trap);
  const QRect sheet(0, 0, kReportPageWidth, kReportPageHeight);
  for (const ReportText& text : m.texts) {
    EXPECT_TRUE(sheet.contains(text.place)) << text.name.toStdString();
  }
  EXPECT_TRUE(sheet.contains(m.pipingPicture));
  EXPECT_TRUE(sheet.contains(m.plotPicture));
}

TEST(ReportInputs, TakeTheStateAsTheDialogsWouldShowIt) {
  SessionState state;
  state.unit = UnitSystem::SI;
  state.mode = WorkingMode::Checking;
  state.fittingCounts[0] = u"6"_qs;  // above the solenoid valve's 5
  state.fittingCounts[1] = u"3"_qs;
  state.fittingCounts[2] = u"many"_qs;  // only a project file brings such a text
  state.fittingCounts[4] = u"200"_qs;   // the elbows' limit itself
  state.fittingCounts[5] = u"-1.5"_qs;  // a pasted negative stays
  state.note = u"note"_qs;
  state.riserOutput1 = u"7/8"_qs;
  const ReportInputs in = ReportInputsOf({}, {}, state, kC);
  const std::array<QString, kFittingTypeCount> shown = {QString(),  u"3"_qs,   QString(), QString(), u"200"_qs,
                                                        u"-1.5"_qs, QString(), QString(), QString(), QString()};
  EXPECT_EQ(in.fittingCounts, shown);
  EXPECT_EQ(in.unit, UnitSystem::SI);
  EXPECT_EQ(in.mode, WorkingMode::Checking);
  EXPECT_TRUE(in.title.customer.isEmpty());
  EXPECT_EQ(in.title.note, u"note"_qs);
  EXPECT_EQ(in.riserOutput1, u"7/8"_qs);
}

}  // namespace
}  // namespace kestrin

namespace kestrin {
namespace {

// The foot names the reference equation and its paper whenever the
// refrigerant's properties came from it, and nothing for the correlations.
TEST(ReportModel, PropertiesLineNamesTheReferenceEquationOnly) {
  struct Row {
    const char16_t* refrigerant;
    PropertySource chosen;
    const char* paper;  // empty: no line
  };
  const Row rows[] = {
      {u"R22", PropertySource::Correlations, ""},
      {u"R22", PropertySource::Reference, "Kamei"},
      {u"R32", PropertySource::Correlations, "Tillner-Roth"},
      {u"", PropertySource::Reference, ""},
  };
  for (const Row& row : rows) {
    ReportInputs in = SuctionCase();
    in.fields.refrigerant = QString::fromUtf16(row.refrigerant);
    in.propertySource = row.chosen;
    const QString text = Build(in).Text(u"Lblproperties"_qs);
    SCOPED_TRACE(in.fields.refrigerant.toStdString());
    if (*row.paper == '\0') {
      EXPECT_TRUE(text.isEmpty()) << text.toStdString();
    } else {
      EXPECT_TRUE(text.contains(u"reference equation of state"_qs)) << text.toStdString();
      EXPECT_TRUE(text.contains(QString::fromLatin1(row.paper))) << text.toStdString();
    }
  }
}

}  // namespace
}  // namespace kestrin
