#include "gui/field_colours.h"

#include <QPalette>
#include <QWidget>

namespace kestrin {

// A text field paints its face with Base; a pick-only list paints it with
// Button. Both are set so every kind of field shows the same colour in every
// style.
void SetFieldBackground(QWidget* field, const QColor& background) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::Button, background);
  field->setPalette(palette);
}

void SetFieldFlagged(QWidget* field, bool flagged) { SetFieldBackground(field, flagged ? kErrorRed : kFieldWhite); }

bool IsFieldFlagged(const QWidget* field) { return FieldBackground(field) == kErrorRed; }

void SetFieldColours(QWidget* field, const QColor& background, const QColor& text) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::Button, background);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::ButtonText, text);
  field->setPalette(palette);
}

QColor FieldBackground(const QWidget* field) { return field->palette().color(QPalette::Base); }
QColor FieldTextColour(const QWidget* field) { return field->palette().color(QPalette::Text); }

}  // namespace kestrin
