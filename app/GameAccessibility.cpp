#include "app/GameAccessibility.h"

#include <QAbstractItemView>
#include <QAccessibleObject>
#include <QAccessibleWidget>

#include <mutex>

#include "app/GameList.h"
#include "app/ScreenReaderNotice.h"

namespace brackenhollow {

namespace {

// A drop-down list: its label as name, the chosen entry as value. The value is also offered as the
// list's text, which is where a screen reader without a selection interface reads a list's value.
class GameListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit GameListAccessible(GameList* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

  GameList* List() const { return static_cast<GameList*>(widget()); }
  QString Value() const { return List()->SpokenText(List()->currentIndex()); }

  QString text(QAccessible::Text kind) const override {
    switch (kind) {
      case QAccessible::Name:
        return List()->accessibleName();
      case QAccessible::Value:
        return Value();
      default:
        return QAccessibleWidget::text(kind);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = List()->view()->isVisible();
    state.collapsed = !state.expanded;
    state.editable = false;
    return state;
  }

  // The open list is the one child, as Qt's own drop-down has it.
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == List()->view() ? 0 : -1;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QStringList actionNames() const override {
    return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == showMenuAction() || action == pressAction()) {
      List()->showPopup();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

  // The value as read-only text.
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override { return Value().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Value().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = offset;
    *end = offset;
    return {};
  }
};

// The notice: a notification named by what it tells, belonging to the window it was made for.
class NoticeAccessible : public QAccessibleObject {
 public:
  explicit NoticeAccessible(ScreenReaderNotice* notice) : QAccessibleObject(notice) {}

  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(object()->parent()); }
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Name ? static_cast<ScreenReaderNotice*>(object())->Text() : QString();
  }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.readOnly = true;
    return state;
  }
};

// The notice's area: a status bar without a place on screen, holding the notice.
class NoticeAreaAccessible : public QAccessibleObject {
 public:
  explicit NoticeAreaAccessible(QObject* area) : QAccessibleObject(area) {}

  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(object()->parent()); }
  int childCount() const override { return Notice() != nullptr ? 1 : 0; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 && Notice() != nullptr ? QAccessible::queryAccessibleInterface(Notice()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == Notice() ? 0 : -1;
  }
  QString text(QAccessible::Text) const override { return {}; }
  QAccessible::Role role() const override { return QAccessible::StatusBar; }
  QAccessible::State state() const override { return {}; }

 private:
  ScreenReaderNotice* Notice() const { return object()->findChild<ScreenReaderNotice*>(); }
};

QAccessibleInterface* GameInterfaces(const QString& className, QObject* object) {
  if (className == QLatin1String("QObject") && object->objectName() == QLatin1String(kNoticeAreaName)) {
    return new NoticeAreaAccessible(object);
  }
  if (className == QLatin1String(GameList::staticMetaObject.className())) {
    return new GameListAccessible(static_cast<GameList*>(object));
  }
  if (className == QLatin1String(ScreenReaderNotice::staticMetaObject.className())) {
    return new NoticeAccessible(static_cast<ScreenReaderNotice*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallGameAccessibility() {
  static std::once_flag installed;
  std::call_once(installed, [] { QAccessible::installFactory(&GameInterfaces); });
}

}  // namespace brackenhollow
