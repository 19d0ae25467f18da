#pragma once
// The room's picture as the place to play: the pointer over a thing shows its name in a caption and
// an outline, a click chooses it, a double click looks at it, a right click offers its verbs, and a
// click on a way out walks there. Tab reaches it; the arrow keys move between its hotspots, Return
// chooses, the context-menu key opens the verbs. It only reports what the player did; the game
// screen decides.

#include <QPointF>
#include <QStringList>
#include <vector>

#include "app/PointerPlay.h"
#include "view/CS309PictureBox.h"

namespace brackenhollow {

class PointerPicture : public CS309PictureBox {
  Q_OBJECT

 public:
  explicit PointerPicture(QWidget* parent = nullptr);

  // What can be pointed at now, on a map of mapSize (1x picture pixels), and the things on offer as
  // the second of a pair.
  void SetTargets(std::vector<PointerTarget> targets, QSize mapSize, QStringList offered);
  const std::vector<PointerTarget>& Targets() const { return m_targets; }
  // A close-up is shown: a click where no hotspot lies goes back to the room's picture.
  void SetCloseUp(bool closeUp);
  // The sentence a click on a thing completes, with "__" where the thing's name goes ("Use the
  // crowbar with the __"); empty when a click only chooses.
  void SetSentence(const QString& sentence);

  // What a click (or a double click) at point, in 1x picture pixels, does: the same as the mouse.
  // Returns the target hit, -1 for none.
  int ClickAt(QPointF point, bool doubleClick = false);
  // The target under point (1x picture pixels); -1 for none.
  int TargetAt(QPointF point) const;
  // The target the pointer is over; -1 for none.
  int Hovered() const { return m_hovered; }
  // The target the keyboard stands on; -1 for none.
  int KeyboardTarget() const { return m_focus; }
  // The caption shown over the picture; empty when there is none.
  QString Caption() const;
  // A target's name as the player reads it: the thing's name, or the way out and whether it is closed.
  QString TargetName(int index) const;
  // The target's place in the widget's own coordinates.
  QRectF TargetRect(int index) const;
  // A point of the widget where the target is chosen.
  QPointF TargetPoint(int index) const;

 signals:
  void ThingChosen(const QString& thing);
  void ThingLookedAt(const QString& thing);
  void VerbChosen(const QString& verb, const QString& thing, const QString& second);
  void WayChosen(char direction);
  // A click on a close-up where no hotspot lies.
  void CloseUpLeft();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QPointF ToPicture(QPointF widgetPoint) const;
  void SetHovered(int index);
  // The pointer's shape over what it hovers: a pointing hand over a thing, an arrow the way a way out
  // lies, a no-entry sign over a closed one.
  void ShowCursor();
  void SetKeyboardTarget(int index);
  // What choosing the target does: a thing is chosen, an open way is walked.
  void Activate(int index);
  void OpenMenu(int index, const QPoint& globalPosition);
  // The target nearest the keyboard's in the direction of key; the keyboard's own when none lies there.
  int Neighbour(int key) const;

  std::vector<PointerTarget> m_targets;
  std::vector<Hotspot> m_hotspots;  // the targets' hotspots, for the hit test
  QSize m_mapSize;
  QStringList m_offered;
  int m_hovered = -1;
  int m_focus = -1;
  bool m_pointerInside = false;
  QPointF m_pointer;           // in 1x picture pixels
  bool m_closeUp = false;
  QString m_sentence;
  QString m_pressedPicture;    // the picture the last press landed on
};

}  // namespace brackenhollow
