#include "core/messages.h"

#include "core/project/quoted_file_text.h"
#include "core/sizing/fitting_table.h"

namespace kestrin {

QString MessageText(Message message) {
  switch (message) {
    case Message::DataIncomplete: return QStringLiteral("Data is not complete. ");
    case Message::NoPipeSize: return QStringLiteral("There is not any pipe size with this data.");
    case Message::EvaporatingRangeIP: return QStringLiteral("Valid Range Is -40 to 55 F.please insert correct data ");
    case Message::EvaporatingRangeSI: return QStringLiteral("Valid Range Is -40 to 12 C.please insert correct data ");
    case Message::CondensingRangeIP: return QStringLiteral("Valid Range Is 80 to 150 F.please insert correct data. ");
    case Message::CondensingRangeSI: return QStringLiteral("Valid Range Is 25 to 65 C.please insert correct data. ");
    case Message::RiserTooLong:
      return QStringLiteral("Riser Length should not be greater than the Total Line Length . ");
    case Message::ReaderNeeded:
      return QStringLiteral("You need Acrobat reader program to see this topic . continue?. ");
  }
  return {};
}

QString UnknownTubeMessage(const QString& typed) {
  return QStringLiteral("%1 is not a copper tube size. Choose the line size to check from the list.")
      .arg(QuotedFileText(typed));
}

QString FittingCountNotNumberMessage(int fittingType, const QString& stored) {
  QString fitting = FittingCaption(fittingType);
  fitting.chop(2);  // the caption's " :"
  return QStringLiteral("The number of fittings \"%1\" is not a number (%2). Enter it again with Add Fitting.")
      .arg(fitting, QuotedFileText(stored));
}

QString NoFlowMessage(const QString& reason) {
  return QStringLiteral("The line cannot be sized with this data: %1").arg(reason);
}

QString NearCriticalMessage(const QString& temperature, const QString& value, const QString& refrigerant,
                            const QString& highest) {
  return QStringLiteral(
             "The %1 of %2 is too close to the critical temperature of %3: its reference equation is used for "
             "saturation up to %4, 5 K below the critical temperature.")
      .arg(temperature, value, refrigerant, highest);
}

QString BelowEquationMessage(const QString& temperature, const QString& value, const QString& refrigerant,
                             const QString& lowest) {
  return QStringLiteral("The %1 of %2 is below %4, the lowest temperature of the reference equation of %3.")
      .arg(temperature, value, refrigerant, lowest);
}

QString AboveEquationMessage(const QString& temperature, const QString& value, const QString& refrigerant,
                             const QString& highest) {
  return QStringLiteral("The %1 of %2 is above %4, the highest temperature of the reference equation of %3.")
      .arg(temperature, value, refrigerant, highest);
}

QString CapacityProblemMessage(CapacityProblem problem) {
  switch (problem) {
    case CapacityProblem::EvaporatingNotBelowCondensing:
      return QStringLiteral("The evaporating temperature is not below the condensing temperature.");
    case CapacityProblem::NoSaturationSlope:
      return QStringLiteral("The saturation curve has no slope at this temperature.");
    case CapacityProblem::OutOfReach:
      return QStringLiteral("No capacity within the search's reach loses this drop in this size.");
    case CapacityProblem::LaminarJump:
      return QStringLiteral(
          "The flow turns from laminar to turbulent at this drop: no capacity loses exactly this drop.");
    case CapacityProblem::DropNotPositive: return QStringLiteral("The temperature drop must be above 0.");
    case CapacityProblem::NegativeSuperheat: return QStringLiteral("The superheat must not be below 0.");
    case CapacityProblem::NegativeSubcool: return QStringLiteral("The subcooling must not be below 0.");
  }
  return {};
}

QString EvaporatingNotBelowCondensingMessage() {
  return QStringLiteral("The evaporating temperature must be below the condensing temperature.");
}

QString NegativeValueMessage(const QString& caption) { return QStringLiteral("%1 must not be negative.").arg(caption); }

QString CondensingNearCriticalMessage(const QString& refrigerant, const QString& critical, const QString& highest) {
  return QStringLiteral(
             "The condensing temperature is too close to the critical temperature of %1 (%2): lines are sized with "
             "condensing temperatures up to %3.")
      .arg(refrigerant, critical, highest);
}

QString SuctionGasAboveCriticalMessage(const QString& refrigerant, const QString& critical) {
  return QStringLiteral(
             "The suction gas (evaporating temperature plus superheat) is above the critical temperature of %1 (%2).")
      .arg(refrigerant, critical);
}

QString LiquidTooColdMessage(const QString& refrigerant, const QString& lowest) {
  return QStringLiteral(
             "The liquid (condensing temperature less subcooling) is colder than %2, the coldest liquid of %1 that "
             "lines are sized with.")
      .arg(refrigerant, lowest);
}

QString TooLargeMessage(const QString& quantity) {
  return NoFlowMessage(QStringLiteral("the %1 is too large to calculate or show.").arg(quantity));
}

QString PartLoadRiserNeedsDesignMessage() {
  return QStringLiteral(
      "The double riser is sized from a design-mode result: calculate the line in design mode, then size the "
      "part-load riser.");
}

}  // namespace kestrin
