#pragma once
// The colours the main window paints its fields with: a bad field is flagged
// pure red, and the velocity shows whether it lies in the line's band.

#include <QColor>

class QWidget;

namespace kestrin {

inline const QColor kErrorRed{255, 0, 0};
inline const QColor kFieldWhite{255, 255, 255};
inline const QColor kTextBlack{0, 0, 0};
inline const QColor kFrameCaptionRed{128, 0, 0};  // the frames' captions
inline const QColor kRiserLinkBlue{0, 0, 192};    // "Using Double Riser"

// The background of a text field or list, with the text colour kept.
void SetFieldBackground(QWidget* field, const QColor& background);
// A flagged field turns red; unflagging turns it white again.
void SetFieldFlagged(QWidget* field, bool flagged);
bool IsFieldFlagged(const QWidget* field);

// Background and text together, as the velocity is shown.
void SetFieldColours(QWidget* field, const QColor& background, const QColor& text);
QColor FieldBackground(const QWidget* field);
QColor FieldTextColour(const QWidget* field);

}  // namespace kestrin
