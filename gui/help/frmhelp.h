#pragma once
// The piping guide window: the guide document, shown inside the program.

#include <QWidget>

class QLabel;
class QPdfDocument;
class QPdfView;

namespace kestrin {

// The guide's file name, beside the program.
inline constexpr char kGuideFileName[] = "Piping.PDf";

// The guide beside the program, else in the installed data folder; when it
// is in neither, the path beside the program, so the window shows that
// place as missing.
QString FindGuideDocument();

class Frmhelp : public QWidget {
  Q_OBJECT

 public:
  explicit Frmhelp(const QString& documentPath, QWidget* parent = nullptr);

  QString documentPath() const { return documentPath_; }
  bool documentLoaded() const;

  // The margin the viewer leaves at the right until the window is first
  // resized: 1000 twips at the screen's resolution.
  int OpeningMarginPixels() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QString documentPath_;
  QPdfDocument* document_ = nullptr;
  QPdfView* web1_ = nullptr;
  QLabel* missingNotice_ = nullptr;
};

}  // namespace kestrin
