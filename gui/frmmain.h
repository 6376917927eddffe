#pragma once
// The main window: the input fields of one design case, the Calculate
// command and the output fields. It holds no calculation of its own: it reads
// its fields, hands them to the core, and shows what the core returns.
//
// The implementation is split by concern:
//   frmmain.cpp                the controls, their layout and the menu bar
//   main_window_fields.cpp     reading and writing fields, live key checks
//   main_window_calculate.cpp  the Calculate command and the outputs
//   main_window_settings.cpp   the unit system and the working mode
//   main_window_drop.cpp       project files dropped on the window
//   main_window_glide.cpp      the glide line and the temperature tool tips

#include "core/main_fields.h"
#include "core/outcome.h"
#include "core/session_state.h"
#include "core/units/unit_texts.h"

#include <QLocale>
#include <QMainWindow>

#include <array>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kestrin {

class ClickableLabel;
struct ShownResult;

class Frmmain : public QMainWindow {
  Q_OBJECT

 public:
  // `session` is owned by the program and outlives every window.
  explicit Frmmain(SessionState& session, QWidget* parent = nullptr);
  ~Frmmain() override;

  SessionState& session() const { return session_; }

  // --- Inputs -------------------------------------------------------------
  MainFieldTexts inputTexts() const;
  // Sets every input control in tab order. The pick-only lists take only one
  // of their items (an empty text chooses nothing); a text they refuse stops
  // here and false is returned, with the controls before it already set.
  bool setInputTexts(const MainFieldTexts& texts);
  // The design pressure drop, or the tube to check, as a project restores it
  // after the list was refilled.
  void setDesignDropText(const QString& text);

  // --- Outputs ------------------------------------------------------------
  OutputTexts outputTexts() const;
  bool velocityOutsideBand() const;  // Txtvelocity shown red
  bool doubleRiserOffered() const;   // Lblriser and Check1 shown
  bool doubleRiserAccepted() const;  // Check1 ticked
  // The double riser window ticks Check1 on OK and unticks it on Cancel.
  void setDoubleRiserAccepted(bool accepted);

  // --- Unit-dependent captions ---------------------------------------------
  UnitCaptions unitCaptions() const;
  void setUnitCaptions(const UnitCaptions& captions);

  // --- Unit system and working mode ----------------------------------------
  // As OK in the units window: on a real change the outputs and the double
  // riser results are emptied, the typed values converted and the window
  // relabelled; otherwise nothing in the window changes.
  void applyUnitSystem(UnitSystem unit);
  // As OK in the process window: on a real change the outputs and the double
  // riser results are emptied and the design drop list becomes the tube list
  // or back.
  void applyWorkingMode(WorkingMode mode);
  // As a project file restores them: outputs emptied, both settings taken as
  // if chosen in their dialogs (nothing converted), captions and lists of the
  // new unit system and mode, and then `designDropText` put back into Cmbdpd.
  void restoreUnitAndMode(UnitSystem unit, WorkingMode mode, const QString& designDropText);
  // As OK in the properties window: on a real change the outputs and the
  // double riser results are emptied, since they came from the other
  // source; the inputs stay.
  void applyPropertySource(PropertySource source);
  // As OK in the tubes window: on a real change the outputs and the double
  // riser results are emptied and checking mode's tube list becomes the new
  // series' (the size to check stays where the new series has it); the
  // inputs stay.
  void applyTubeChoice(const TubeChoice& tubes);

  // --- Menu bar ------------------------------------------------------------
  // The menu entries by object name: "open", "save", "Printsetup", "print",
  // "exit", "Process", "units", "properties", "tubes", "capacities",
  // "pipingGuide", "web", "About". Null for an unknown name. Process, units,
  // properties, tubes and exit are
  // connected here; the others are for their commands to connect.
  QAction* menuAction(const QString& objectName) const;

 public Q_SLOTS:
  void Calculate();
  // Empties the output frame, hides the double riser offer and shows the
  // velocity white on black again.
  void ClearOutputs();
  // Empties the accepted part-load riser and unticks Check1.
  void ClearRiserResults();
  void ShowUnitsDialog();
  void ShowProcessDialog();
  // Keeps the choice among the program's settings too.
  void ShowPropertiesDialog();
  void ShowTubesDialog();

 Q_SIGNALS:
  void fittingsRequested();     // "Add Fitting" pressed
  void doubleRiserRequested();  // "Using Double Riser" clicked
  // One project file was dropped on the window. Sent once the drop is over,
  // so that the program that dragged it is not kept waiting by a message.
  void projectFileDropped(const QString& path);
  void closed();  // the program is to end

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildInputFrames();
  void BuildOutputFrame();
  void BuildMenuBar();
  void SetTabOrder();
  void StartAnimation();
  void ConnectFieldEvents();
  void AcceptProjectFileDrops();
  // Takes a drag or drop event that carries one project file, on the window
  // or on a field that would otherwise take the file's name as text.
  bool TakeProjectFileDrag(QEvent* event);

  QLineEdit* InputEdit(InputField field) const;
  QLabel* InputLabel(InputField field) const;
  std::optional<InputField> InputFieldOf(const QObject* object) const;

  // Live checks and selection events.
  void CheckEntry(InputField field);
  void CheckDesignDropEntry();
  void OnLineChosen();
  void OnDesignDropChosen();
  void UpdateRangeToolTips();
  // Lblglide and the tool tips of the fields, for the refrigerant, the
  // temperatures, the unit system and the property source in force.
  void UpdateGlide();

  // Calculate.
  void ShowEntryTexts(const MainFieldTexts& texts);  // the eight text fields only
  QWidget* ControlOf(DesignField field) const;
  void ShowRefusal(const Refusal& refusal);
  void ShowSizingResult(const ShownResult& result);
  void SetRiserOfferVisible(bool visible);

  // Units and modes.
  void ConvertEntries(UnitSystem from, UnitSystem to);
  void ShowUnitTexts(UnitSystem unit);
  void ShowModeList(WorkingMode mode);

  SessionState& session_;

  QGroupBox* frame1_ = nullptr;
  QGroupBox* frame2_ = nullptr;
  QGroupBox* frame3_ = nullptr;

  QComboBox* cmbrt_ = nullptr;
  QComboBox* cmbl_ = nullptr;
  QComboBox* cmbdpd_ = nullptr;
  QLabel* lbl8_ = nullptr;
  std::array<QLineEdit*, kInputFields.size()> inputEdits_{};
  std::array<QLabel*, kInputFields.size()> inputLabels_{};

  QPushButton* cmdfitting_ = nullptr;
  QPushButton* cmdcalculate_ = nullptr;
  QPushButton* cmdclose_ = nullptr;

  QLineEdit* txtlinesize_ = nullptr;
  QLabel* lbl13_ = nullptr;
  QLineEdit* txttpd_ = nullptr;
  QLabel* lbl15_ = nullptr;
  QLineEdit* txtvelocity_ = nullptr;
  QLabel* lbl17_ = nullptr;
  QLineEdit* txtel_ = nullptr;
  QLabel* lbl19_ = nullptr;
  QLineEdit* txttrap_ = nullptr;
  QLineEdit* txtsatdrop_ = nullptr;
  QLabel* lblsatdropunit_ = nullptr;
  QLabel* lblwarning_ = nullptr;
  QLabel* lblglide_ = nullptr;
  ClickableLabel* lblriser_ = nullptr;
  QCheckBox* check1_ = nullptr;
  QLabel* animatedGif1_ = nullptr;
};

}  // namespace kestrin
