#pragma once
// Helpers for driving real windows in Qt Test: finding controls by object
// name, typing and picking as a user does, and answering modal boxes and
// dialogs from a timer while the window waits in exec().

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace kestrin::testing {

// The object names under `root`, sorted, for a failure message.
inline QString ChildNames(const QObject* root) {
  QStringList names;
  for (const QObject* child : root->findChildren<QObject*>()) {
    if (!child->objectName().isEmpty()) names.append(child->objectName());
  }
  names.sort();
  names.removeDuplicates();
  return names.join(QStringLiteral(", "));
}

inline QString NameText(const char* name) { return QString::fromLatin1(name); }
inline QString NameText(const QString& name) { return name; }

inline QString MissingChildMessage(const char* type, const QString& name, const QObject* root) {
  return QStringLiteral("no %1 named \"%2\"; there are: %3").arg(QString::fromLatin1(type), name, ChildNames(root));
}

}  // namespace kestrin::testing

// Declares `var` as the child of `root` named `name`, or fails the test
// listing the names that do exist.
#define KESTRIN_FIND(Type, var, root, name)                                 \
  Type* var = (root)->findChild<Type*>(::kestrin::testing::NameText(name)); \
  QVERIFY2(var != nullptr,                                                  \
           qPrintable(::kestrin::testing::MissingChildMessage(#Type, ::kestrin::testing::NameText(name), (root))))

namespace kestrin::testing {

struct MessageBoxSeen {
  QString title;
  QString text;
  QMessageBox::StandardButtons buttons;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool modal = false;
};

// Watches for modal windows while it lives. A message box is recorded and
// closed with `answer` when it has that button, otherwise with its escape
// button; a dialog is handed to the next queued handler, or rejected when
// none is queued so that a test never hangs.
class ModalWatcher {
 public:
  explicit ModalWatcher(QMessageBox::StandardButton answer = QMessageBox::Cancel) : answer_(answer) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }

  void onNextDialog(std::function<void(QDialog*)> handler) { handlers_.append(std::move(handler)); }

  const QList<MessageBoxSeen>& boxes() const { return boxes_; }
  int unexpectedDialogs() const { return unexpectedDialogs_; }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == lastHandled_) return;
    lastHandled_ = modal;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      boxes_.append({box->windowTitle(), box->text(), box->standardButtons(), box->icon(), box->isModal()});
      QAbstractButton* button = box->button(answer_);
      if (!button) button = box->escapeButton();
      if (button) {
        button->click();
      } else {
        box->reject();
      }
      return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      if (handlers_.isEmpty()) {
        ++unexpectedDialogs_;
        dialog->reject();
        return;
      }
      handlers_.takeFirst()(dialog);
    }
  }

  QMessageBox::StandardButton answer_;
  QTimer timer_;
  QPointer<QWidget> lastHandled_;
  QList<MessageBoxSeen> boxes_;
  QList<std::function<void(QDialog*)>> handlers_;
  int unexpectedDialogs_ = 0;
};

// Picks an entry of a drop-down list as a user does with the keyboard: the
// list opened, the entry highlighted, Enter pressed.
inline bool PickFromList(QComboBox* list, const QString& text) {
  const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) return false;
  list->setFocus(Qt::TabFocusReason);
  list->showPopup();
  QAbstractItemView* view = list->view();
  if (!QTest::qWaitForWindowExposed(view->window())) return false;
  view->setCurrentIndex(view->model()->index(index, list->modelColumn(), list->rootModelIndex()));
  QTest::keyClick(view, Qt::Key_Return);
  return list->currentIndex() == index && !view->isVisible();
}

// Replaces a field's text by typing, one key at a time.
inline void TypeInto(QWidget* field, const QString& keys) {
  field->setFocus(Qt::TabFocusReason);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, keys);
}

}  // namespace kestrin::testing

namespace kestrin::testing {

// The program's settings in a folder of the test's own while it lives, so a
// test neither reads nor changes the user's. Make it before any window.
class IsolatedSettings {
 public:
  IsolatedSettings() {
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
      QSettings::setPath(format, QSettings::UserScope, folder_.path());
  }

 private:
  QTemporaryDir folder_;
};

}  // namespace kestrin::testing
