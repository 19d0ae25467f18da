#include "app/ScreenReaderNotice.h"

#include <QAccessible>

#include "app/GameAccessibility.h"

namespace brackenhollow {

ScreenReaderNotice::ScreenReaderNotice(QObject* parent) {
  InstallGameAccessibility();
  // The notice lies in an area of messages, as a status bar's notifications do, which screen readers
  // read without announcing "notification" before every answer.
  auto* area = new QObject(parent);
  area->setObjectName(QLatin1String(kNoticeAreaName));
  setParent(area);
}

void ScreenReaderNotice::Announce(const QString& text) {
  if (text.trimmed().isEmpty()) return;
  m_text = text;
  // A notification becoming visible is read out whatever has the focus; the other events a widget
  // could send (text inserted, a value or name changed) are read only on the focused object.
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace brackenhollow
