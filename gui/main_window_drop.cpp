// Project files dropped on the main window open as the "open" menu entry
// opens them. Only a drag of exactly one local *.kst file is taken; anything
// else is refused, so the cursor says so before the drop.

#include "gui/frmmain.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

namespace kestrin {
namespace {

std::optional<QString> DraggedProjectFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return std::nullopt;
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls.first().isLocalFile()) return std::nullopt;
  const QString path = urls.first().toLocalFile();
  if (QFileInfo(path).suffix().compare(QStringLiteral("kst"), Qt::CaseInsensitive) != 0) return std::nullopt;
  return path;
}

}  // namespace

void Frmmain::AcceptProjectFileDrops() {
  setAcceptDrops(true);
  // The text fields take drops of text themselves and would put the file's
  // name into the field; the window's filter on them hands a project file to
  // the window instead. The input fields are filtered already for their key
  // checks; the design drop list's own line edit is not.
  cmbdpd_->lineEdit()->installEventFilter(this);
}

bool Frmmain::TakeProjectFileDrag(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  const std::optional<QString> path = DraggedProjectFile(drop->mimeData());
  if (!path) return false;
  drop->acceptProposedAction();
  if (type == QEvent::Drop) {
    QMetaObject::invokeMethod(
        this, [this, file = *path] { Q_EMIT projectFileDropped(file); }, Qt::QueuedConnection);
  }
  return true;
}

void Frmmain::dragEnterEvent(QDragEnterEvent* event) {
  if (!TakeProjectFileDrag(event)) event->ignore();
}

void Frmmain::dragMoveEvent(QDragMoveEvent* event) {
  if (!TakeProjectFileDrag(event)) event->ignore();
}

void Frmmain::dropEvent(QDropEvent* event) {
  if (!TakeProjectFileDrag(event)) event->ignore();
}

}  // namespace kestrin
