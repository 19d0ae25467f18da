#pragma once
// What the game tells a screen reader of its own accord (a new answer, a room entered, a changed
// choice): one short text at a time, on one object that the screen reader speaks wherever the focus
// is. Qt 6.4 has no announcement event, so the object is a notification that shows itself anew.

#include <QObject>
#include <QString>

namespace brackenhollow {

class ScreenReaderNotice : public QObject {
  Q_OBJECT

 public:
  explicit ScreenReaderNotice(QObject* parent = nullptr);

  // Tells the screen reader text, as one event on this object; an empty text tells nothing.
  void Announce(const QString& text);
  // The text told last; empty before the first.
  QString Text() const { return m_text; }

 private:
  QString m_text;
};

}  // namespace brackenhollow
