#include "core/units/unit_texts.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

const QLocale kC = QLocale::c();

QString Convert(InputField field, const char16_t* text, UnitSystem from, UnitSystem to) {
  return ConvertedEntry(field, QString::fromUtf16(text), from, to, kC);
}

TEST(UnitSwitch, ConvertsTypedValuesRoundedToWholeNumbers) {
  EXPECT_EQ(Convert(InputField::Capacity, u"100", UnitSystem::IP, UnitSystem::SI), u"352"_qs);
  EXPECT_EQ(Convert(InputField::Evaporating, u"40", UnitSystem::IP, UnitSystem::SI), u"4"_qs);
  EXPECT_EQ(Convert(InputField::TotalLength, u"100", UnitSystem::IP, UnitSystem::SI), u"30"_qs);
  EXPECT_EQ(Convert(InputField::Capacity, u"352", UnitSystem::SI, UnitSystem::IP), u"100"_qs);
  EXPECT_EQ(Convert(InputField::Evaporating, u"4", UnitSystem::SI, UnitSystem::IP), u"39"_qs);
  EXPECT_EQ(Convert(InputField::TotalLength, u"30", UnitSystem::SI, UnitSystem::IP), u"98"_qs);
  EXPECT_EQ(Convert(InputField::Superheat, u"10", UnitSystem::IP, UnitSystem::SI), u"6"_qs);
  EXPECT_EQ(Convert(InputField::AdditionalLoss, u"4", UnitSystem::IP, UnitSystem::SI), u"0"_qs);
  EXPECT_EQ(Convert(InputField::AdditionalLoss, u"0.2", UnitSystem::SI, UnitSystem::IP), u"3"_qs);
  EXPECT_EQ(Convert(InputField::Capacity, u"", UnitSystem::IP, UnitSystem::SI), QString());
  EXPECT_EQ(Convert(InputField::Evaporating, u"-", UnitSystem::IP, UnitSystem::SI), u"-"_qs);
}

TEST(LiveChecks, KeepWhatLiesWithinTheLimitsOfTheUnitSystem) {
  struct Case {
    InputField field;
    const char16_t* text;
    UnitSystem unit;
    bool kept;
  };
  const UnitSystem ip = UnitSystem::IP, si = UnitSystem::SI;
  for (const Case& c : {
           Case{InputField::Capacity, u"500", ip, true},         Case{InputField::Capacity, u"5001", ip, false},
           Case{InputField::Capacity, u"0", ip, true},           Case{InputField::Capacity, u"1500", si, true},
           Case{InputField::Capacity, u"1500.5", si, false},     Case{InputField::Capacity, u".", ip, false},
           Case{InputField::Evaporating, u"-", ip, true},        Case{InputField::Evaporating, u"-4", ip, true},
           Case{InputField::Evaporating, u"-41", ip, false},     Case{InputField::Evaporating, u"55", ip, true},
           Case{InputField::Evaporating, u"56", ip, false},      Case{InputField::Evaporating, u"13", si, false},
           Case{InputField::Evaporating, u"-40", si, true},      Case{InputField::Condensing, u"9", ip, true},
           Case{InputField::Condensing, u"151", ip, false},      Case{InputField::Condensing, u"66", si, false},
           Case{InputField::Superheat, u"50", ip, true},         Case{InputField::Superheat, u"26", si, false},
           Case{InputField::Subcool, u"21", ip, false},          Case{InputField::Subcool, u"-", ip, false},
           Case{InputField::TotalLength, u"1500", ip, true},     Case{InputField::TotalLength, u"501", si, false},
           Case{InputField::RiserLength, u"301", ip, false},     Case{InputField::RiserLength, u"100", si, true},
           Case{InputField::AdditionalLoss, u".", ip, true},     Case{InputField::AdditionalLoss, u".5", ip, true},
           Case{InputField::AdditionalLoss, u"4.1", ip, false},  Case{InputField::AdditionalLoss, u"0.3", si, true},
           Case{InputField::AdditionalLoss, u"0.31", si, false}, Case{InputField::AdditionalLoss, u"abc", ip, false},
       })
    EXPECT_EQ(EntryKept(c.field, QString::fromUtf16(c.text), c.unit, kC), c.kept)
        << FieldName(c.field).toStdString() << " " << QString::fromUtf16(c.text).toStdString();
  EXPECT_TRUE(DesignDropEntryKept(u"."_qs, kC));
  EXPECT_TRUE(DesignDropEntryKept(u"12"_qs, kC));
  EXPECT_FALSE(DesignDropEntryKept(u"5/8"_qs, kC));
}

TEST(UnitTexts, CaptionsTipsAndListsFollowUnitAndMode) {
  EXPECT_EQ(LabelCaption(InputField::Capacity, UnitSystem::SI), u"System Capacity (kw) :"_qs);
  EXPECT_EQ(ToolTip(InputField::AdditionalLoss, UnitSystem::SI), u"Valid Range Is 0 to 0.3 bar"_qs);
  EXPECT_EQ(DesignDropCaption(UnitSystem::SI, WorkingMode::Design), u"Design Pressure Drop (bar) :"_qs);
  EXPECT_EQ(DesignDropCaption(UnitSystem::SI, WorkingMode::Checking), u"Line size: (OD diameter)"_qs);
  EXPECT_EQ(DesignDropList(UnitSystem::IP, WorkingMode::Design, TubeSeries::TypeK, kC),
            QStringList({u"0.5"_qs, u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"5"_qs, u"6"_qs}));
  EXPECT_EQ(DesignDropList(UnitSystem::SI, WorkingMode::Design, TubeSeries::TypeK, kC),
            QStringList({u"0.05"_qs, u"0.1"_qs, u"0.2"_qs, u"0.3"_qs, u"0.4"_qs}));
  EXPECT_EQ(DesignDropList(UnitSystem::SI, WorkingMode::Checking, TubeSeries::TypeK, kC).size(), 10);
  EXPECT_EQ(DesignDropList(UnitSystem::IP, WorkingMode::Design, TubeSeries::TypeK, QLocale(QLocale::German)).first(),
            u"0,5"_qs);
  EXPECT_EQ(LengthUnit(UnitSystem::IP), u"Ft "_qs);
  EXPECT_EQ(PressureDropUnit(UnitSystem::SI), u"bar"_qs);
}

TEST(RangeToolTips, FollowTheLineUnitAndMode) {
  const RangeTips none = RangeToolTips(UnitSystem::IP, WorkingMode::Design, std::nullopt);
  EXPECT_FALSE(none.designDrop || none.velocity);
  const RangeTips checking = RangeToolTips(UnitSystem::SI, WorkingMode::Checking, LineType::Suction);
  EXPECT_EQ(checking.designDrop, QString());
  EXPECT_EQ(checking.velocity, u"Valid Range Is 5 to 20 m/s"_qs);
  EXPECT_EQ(RangeToolTips(UnitSystem::SI, WorkingMode::Checking, std::nullopt).designDrop, QString());
  EXPECT_EQ(RangeToolTips(UnitSystem::IP, WorkingMode::Design, LineType::Discharge).designDrop,
            u"Recommended Range : 2 to 6 psi"_qs);
  EXPECT_EQ(RangeToolTips(UnitSystem::SI, WorkingMode::Design, LineType::Liquid).designDrop,
            u"Recommended Range : 0.15 to 0.3 bar"_qs);
  EXPECT_EQ(RangeToolTips(UnitSystem::IP, WorkingMode::Design, LineType::Liquid).velocity, QString());
  EXPECT_EQ(RangeToolTips(UnitSystem::IP, WorkingMode::Design, LineType::Suction).velocity,
            u"Valid Range Is 15 to 65 FPS"_qs);
}

}  // namespace
}  // namespace kestrin
