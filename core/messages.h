#pragma once
// Every message the program shows, one place each: callers name the
// situation and never spell a text.

#include <QString>

namespace kestrin {

enum class Message {
  DataIncomplete,
  NoPipeSize,
  EvaporatingRangeIP,
  EvaporatingRangeSI,
  CondensingRangeIP,
  CondensingRangeSI,
  RiserTooLong,
  ReaderNeeded,
};

// Title of every error box; the guide question has its own.
inline constexpr char kErrorTitle[] = "error";
inline constexpr char kAttentionTitle[] = "Attention";

QString MessageText(Message message);

// Messages for situations the program refuses with a clear word of its own.
QString UnknownTubeMessage(const QString& typed);
QString FittingCountNotNumberMessage(int fittingType, const QString& stored);
QString NoFlowMessage(const QString& reason);
// A temperature the reference equation of `refrigerant` is not used at;
// `temperature` names it ("condensing temperature"), the values are texts
// with their units.
QString NearCriticalMessage(const QString& temperature, const QString& value, const QString& refrigerant,
                            const QString& highest);
QString BelowEquationMessage(const QString& temperature, const QString& value, const QString& refrigerant,
                             const QString& lowest);
QString AboveEquationMessage(const QString& temperature, const QString& value, const QString& refrigerant,
                             const QString& highest);

// Why a cell of a line capacity table stays empty, or the table cannot be
// drawn at all.
enum class CapacityProblem {
  EvaporatingNotBelowCondensing,
  NoSaturationSlope,  // the saturation curve gives no slope at the line's temperature
  OutOfReach,         // no capacity within the search's limits loses the drop
  LaminarJump,        // the drop falls in the step at the laminar limit
  DropNotPositive,
  NegativeSuperheat,
  NegativeSubcool,
};
QString CapacityProblemMessage(CapacityProblem problem);

// A case no refrigeration system can have. `caption` is the field's caption
// without its colon ("Superheat (F)"); temperatures are texts with their
// units.
QString EvaporatingNotBelowCondensingMessage();
QString NegativeValueMessage(const QString& caption);
QString CondensingNearCriticalMessage(const QString& refrigerant, const QString& critical, const QString& highest);
QString SuctionGasAboveCriticalMessage(const QString& refrigerant, const QString& critical);
QString LiquidTooColdMessage(const QString& refrigerant, const QString& lowest);
// A result the output fields cannot show; `quantity` names it ("pressure
// drop").
QString TooLargeMessage(const QString& quantity);
// The part-load riser asked for after a checking-mode run.
QString PartLoadRiserNeedsDesignMessage();

}  // namespace kestrin
