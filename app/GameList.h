#pragma once
// One of the game's three lists: a drop-down whose section headings ("OBJECTS IN ROOM -------") are
// shown as headings that neither the wheel nor the arrow keys stop on, and which the wheel changes
// only while it has the focus, so scrolling past it changes nothing.

#include <QComboBox>
#include <string>
#include <vector>

namespace brackenhollow {

class GameList : public QComboBox {
  Q_OBJECT

 public:
  explicit GameList(QWidget* parent = nullptr);

  // Replaces the entries with these, in order.
  void SetEntries(const std::vector<std::string>& entries);
  // Whether entries holds exactly these texts, in order.
  bool Holds(const std::vector<std::string>& entries) const;
  // The entry at index as a screen reader or the game's voice reads it: a heading as its words
  // ("Objects in room"), a blank as "nothing", a verb's gaps as "blank". "nothing" for no entry.
  QString SpokenText(int index) const;
  static QString SpokenEntry(const QString& text);

 protected:
  // The wheel changes the list only while it has the focus; otherwise it scrolls what lies beneath.
  void wheelEvent(QWheelEvent* event) override;
};

}  // namespace brackenhollow
