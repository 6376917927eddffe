#pragma once
// "Line Capacities": the capacity table of a refrigerant and line, with the
// tube sizes down and the evaporating temperatures across, for the
// condensing temperature, superheat, subcooling and drop of saturation
// temperature typed at the top. The table follows every change of an input;
// it can be copied for a spreadsheet, saved as CSV and printed.

#include "core/main_fields.h"
#include "core/sizing/capacity_table_texts.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace kestrin {

class Frmcapacity : public QDialog {
  Q_OBJECT

 public:
  // The parts a test replaces: the file dialog that picks where the CSV
  // goes (an empty path means the user cancelled), and the printing.
  struct Hooks {
    std::function<QString(QWidget* parent)> askCsvPath;
    std::function<void(const ShownCapacityTable& table, QWidget* parent)> print;
  };

  explicit Frmcapacity(QWidget* parent = nullptr);

  // Inputs, set before the window is shown: the settings in force, then the
  // main window's case. An empty or unknown refrigerant takes the first of
  // the list, a line the suction line (the table engineers read most), an
  // empty or unreadable temperature its default.
  void setSettings(UnitSystem unit, PropertySource properties, TubeSeries series);
  void setCase(const MainFieldTexts& texts);

  // The table shown; none while an input is bad.
  const std::optional<ShownCapacityTable>& shownTable() const { return shown_; }
  Hooks& hooks() { return hooks_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void ShowUnitTexts();
  void CheckEntry(QLineEdit* edit);
  void OnLineChosen();
  void Recompute();
  void ShowTable(const ShownCapacityTable& table);
  void ShowProblem(const QString& problem);
  std::optional<LineType> ChosenLine() const;
  void CopyTable() const;
  void SaveTable();
  void PrintTable();

  UnitSystem unit_ = UnitSystem::IP;
  PropertySource properties_ = PropertySource::Correlations;
  TubeSeries series_ = TubeSeries::TypeK;
  std::optional<LineType> line_;  // the line the drop field's default belongs to
  std::optional<ShownCapacityTable> shown_;
  Hooks hooks_;

  QComboBox* cmbcaprt_ = nullptr;
  QComboBox* cmbcapline_ = nullptr;
  QLineEdit* txtcapct_ = nullptr;
  QLineEdit* txtcapsh_ = nullptr;
  QLineEdit* txtcapsc_ = nullptr;
  QLineEdit* txtcapdt_ = nullptr;
  QLabel* lblcapct_ = nullptr;
  QLabel* lblcapsh_ = nullptr;
  QLabel* lblcapsc_ = nullptr;
  QLabel* lblcapdt_ = nullptr;
  QLabel* lblcaptitle_ = nullptr;
  QTableWidget* tblcapacity_ = nullptr;
  QLabel* lblcapnote_ = nullptr;
};

}  // namespace kestrin
