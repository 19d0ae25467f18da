#include "app/PointerPicture.h"

#include <QAccessible>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <limits>

#include "app/PictureAccessibility.h"
#include "app/VerbMenu.h"

namespace brackenhollow {

namespace {

constexpr QColor kHoverColour(255, 255, 255, 220);
constexpr QColor kGlowColour(255, 255, 255, 70);
constexpr QColor kFocusColour(255, 214, 64);
constexpr QColor kChosenColour(255, 170, 60, 200);
constexpr QColor kCaptionBackground(0, 0, 0, 175);
constexpr int kCaptionMargin = 8;

QString WayName(char direction) {
  switch (direction) {
    case 'N':
      return PointerPicture::tr("north");
    case 'S':
      return PointerPicture::tr("south");
    case 'E':
      return PointerPicture::tr("east");
    default:
      return PointerPicture::tr("west");
  }
}

// An arrow pointing where a way out lies, as the classic adventures show at an exit: up for the way
// ahead, down for the way behind, to the side for the ways to the sides. Its hot spot is its tip.
QCursor WayCursor(ViewSide side) {
  constexpr int kSize = 32;
  static const std::array<QCursor, 4> cursors = [] {
    // Pointing up, tip at the top middle.
    const QPolygonF arrow({{16, 1}, {29, 15}, {21, 15}, {21, 30}, {11, 30}, {11, 15}, {3, 15}});
    std::array<QCursor, 4> made;
    const std::array<std::pair<ViewSide, int>, 4> turns = {
        {{ViewSide::Ahead, 0}, {ViewSide::Right, 90}, {ViewSide::Behind, 180}, {ViewSide::Left, 270}}};
    for (const auto& [which, degrees] : turns) {
      QPixmap pixmap(kSize, kSize);
      pixmap.fill(Qt::transparent);
      QPainter painter(&pixmap);
      painter.setRenderHint(QPainter::Antialiasing);
      const QTransform turn = QTransform().translate(kSize / 2.0, kSize / 2.0).rotate(degrees).translate(-kSize / 2.0, -kSize / 2.0);
      painter.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      painter.setBrush(Qt::white);
      painter.drawPolygon(turn.map(arrow));
      painter.end();
      const QPointF tip = turn.map(QPointF(16, 1));
      made[static_cast<std::size_t>(which)] = QCursor(pixmap, qRound(tip.x()), qRound(tip.y()));
    }
    return made;
  }();
  return cursors[static_cast<std::size_t>(side)];
}

QPolygonF Outline(const Hotspot& hotspot) {
  QPolygonF outline;
  for (const HotspotPoint& point : hotspot.outline) outline << QPointF(point.x, point.y);
  return outline;
}

}  // namespace

PointerPicture::PointerPicture(QWidget* parent) : CS309PictureBox(parent) {
  InstallPictureAccessibility();
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
}

void PointerPicture::SetTargets(std::vector<PointerTarget> targets, QSize mapSize, QStringList offered) {
  const bool same = m_mapSize == mapSize && m_targets.size() == targets.size() &&
                    std::equal(targets.begin(), targets.end(), m_targets.begin(), [](const auto& a, const auto& b) {
                      return a.hotspot.object == b.hotspot.object && a.hotspot.way == b.hotspot.way &&
                             a.hotspot.box == b.hotspot.box && a.open == b.open;
                    });
  m_targets = std::move(targets);
  m_hotspots.clear();
  for (const PointerTarget& target : m_targets) m_hotspots.push_back(target.hotspot);
  m_mapSize = mapSize;
  m_offered = std::move(offered);
  if (!same) {
    m_focus = hasFocus() && !m_targets.empty() ? 0 : -1;
    TargetsChanged(this);
  }
  m_hovered = m_pointerInside ? TargetAt(m_pointer) : -1;
  ShowCursor();
  update();
}

void PointerPicture::ShowCursor() {
  if (m_hovered < 0) {
    setCursor(m_closeUp && m_pointerInside ? Qt::PointingHandCursor : Qt::ArrowCursor);
    return;
  }
  const PointerTarget& target = m_targets[static_cast<std::size_t>(m_hovered)];
  if (!target.hotspot.IsWay()) {
    setCursor(Qt::PointingHandCursor);
  } else if (target.open) {
    setCursor(WayCursor(target.side));
  } else {
    // A closed way: it stays shut, as its dashed button says.
    setCursor(Qt::ForbiddenCursor);
  }
}

QPointF PointerPicture::ToPicture(QPointF widgetPoint) const {
  if (width() <= 0 || height() <= 0 || m_mapSize.isEmpty()) return {-1, -1};
  return {widgetPoint.x() * m_mapSize.width() / width(), widgetPoint.y() * m_mapSize.height() / height()};
}

int PointerPicture::TargetAt(QPointF point) const {
  return HasPicture() ? HitTest(m_hotspots, point.x(), point.y()) : -1;
}

QString PointerPicture::TargetName(int index) const {
  if (index < 0 || index >= static_cast<int>(m_targets.size())) return {};
  const PointerTarget& target = m_targets[static_cast<std::size_t>(index)];
  if (!target.hotspot.IsWay()) return QString::fromStdString(target.hotspot.object);
  return target.open ? tr("Way %1").arg(WayName(target.hotspot.way))
                     : tr("Way %1 (closed)").arg(WayName(target.hotspot.way));
}

void PointerPicture::SetCloseUp(bool closeUp) {
  m_closeUp = closeUp;
  update();
}

void PointerPicture::SetSentence(const QString& sentence) {
  m_sentence = sentence;
  update();
}

QString PointerPicture::Caption() const {
  if (m_hovered >= 0 && !m_sentence.isEmpty() && !m_targets[static_cast<std::size_t>(m_hovered)].hotspot.IsWay()) {
    return QString(m_sentence).replace(QStringLiteral("__"), TargetName(m_hovered));
  }
  if (m_hovered >= 0) return TargetName(m_hovered);
  if (m_closeUp && m_pointerInside) return tr("Back to the room");
  return hasFocus() ? TargetName(m_focus) : QString();
}

QRectF PointerPicture::TargetRect(int index) const {
  if (index < 0 || index >= static_cast<int>(m_targets.size()) || m_mapSize.isEmpty()) return {};
  const HotspotBox& box = m_targets[static_cast<std::size_t>(index)].hotspot.box;
  const double x = double(width()) / m_mapSize.width();
  const double y = double(height()) / m_mapSize.height();
  return {box.x * x, box.y * y, box.width * x, box.height * y};
}

QPointF PointerPicture::TargetPoint(int index) const {
  if (index < 0 || index >= static_cast<int>(m_targets.size()) || m_mapSize.isEmpty()) return {};
  const HotspotPoint& point = m_targets[static_cast<std::size_t>(index)].hotspot.point;
  return {(point.x + 0.5) * width() / m_mapSize.width(), (point.y + 0.5) * height() / m_mapSize.height()};
}

void PointerPicture::SetHovered(int index) {
  const bool same = index == m_hovered;
  m_hovered = index;
  ShowCursor();
  if (!same) update();
}

void PointerPicture::SetKeyboardTarget(int index) {
  if (index == m_focus) return;
  m_focus = index;
  update();
  if (index >= 0) TargetFocused(this, index);
}

void PointerPicture::Activate(int index) {
  if (index < 0 || index >= static_cast<int>(m_targets.size())) return;
  const PointerTarget& target = m_targets[static_cast<std::size_t>(index)];
  if (target.hotspot.IsWay()) {
    // A closed way answers as its closed button does: it stays shut, and the caption says so.
    if (target.open) emit WayChosen(target.hotspot.way);
    return;
  }
  emit ThingChosen(QString::fromStdString(target.hotspot.object));
}

int PointerPicture::ClickAt(QPointF point, bool doubleClick) {
  const int index = TargetAt(point);
  if (!doubleClick) {
    m_pressedPicture = PictureFile();
    if (index < 0 && m_closeUp) {
      emit CloseUpLeft();
    } else {
      Activate(index);
    }
    return index;
  }
  // The first click may have walked elsewhere: the second then lands on another picture and means nothing.
  if (PictureFile() != m_pressedPicture || index < 0) return index;
  const PointerTarget& target = m_targets[static_cast<std::size_t>(index)];
  if (!target.hotspot.IsWay()) emit ThingLookedAt(QString::fromStdString(target.hotspot.object));
  return index;
}

void PointerPicture::mouseMoveEvent(QMouseEvent* event) {
  m_pointerInside = true;
  m_pointer = ToPicture(event->position());
  SetHovered(TargetAt(m_pointer));
  CS309PictureBox::mouseMoveEvent(event);
}

void PointerPicture::leaveEvent(QEvent* event) {
  m_pointerInside = false;
  SetHovered(-1);
  CS309PictureBox::leaveEvent(event);
}

void PointerPicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    CS309PictureBox::mousePressEvent(event);
    return;
  }
  ClickAt(ToPicture(event->position()));
}

void PointerPicture::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  ClickAt(ToPicture(event->position()), true);
}

void PointerPicture::contextMenuEvent(QContextMenuEvent* event) {
  const bool keyboard = event->reason() == QContextMenuEvent::Keyboard;
  const int index = keyboard ? m_focus : TargetAt(ToPicture(event->pos()));
  if (index < 0) return;
  const QPoint at = keyboard ? mapToGlobal(TargetPoint(index).toPoint()) : event->globalPos();
  OpenMenu(index, at);
}

void PointerPicture::OpenMenu(int index, const QPoint& globalPosition) {
  const PointerTarget target = m_targets[static_cast<std::size_t>(index)];
  if (target.hotspot.IsWay()) {
    // A way out has one thing to do.
    Activate(index);
    return;
  }
  const QString thing = QString::fromStdString(target.hotspot.object);
  const std::optional<VerbChoice> choice = RunVerbMenu(this, globalPosition, thing, m_offered);
  if (choice) emit VerbChosen(choice->verb, thing, choice->second);
}

int PointerPicture::Neighbour(int key) const {
  if (m_focus < 0) return m_targets.empty() ? -1 : 0;
  const HotspotPoint from = m_targets[static_cast<std::size_t>(m_focus)].hotspot.point;
  int best = m_focus;
  double bestScore = std::numeric_limits<double>::max();
  for (std::size_t index = 0; index < m_targets.size(); ++index) {
    const HotspotPoint to = m_targets[index].hotspot.point;
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    // Along the key's direction forward, the other axis counted double: the nearest in that direction.
    double along = 0;
    double across = 0;
    switch (key) {
      case Qt::Key_Left:
        along = -dx, across = dy;
        break;
      case Qt::Key_Right:
        along = dx, across = dy;
        break;
      case Qt::Key_Up:
        along = -dy, across = dx;
        break;
      default:
        along = dy, across = dx;
        break;
    }
    if (along <= 0) continue;
    const double score = along + 2 * std::abs(across);
    if (score < bestScore) {
      bestScore = score;
      best = static_cast<int>(index);
    }
  }
  if (best != m_focus) return best;
  // Nothing lies that way: the next (or previous) in the map's order, so every hotspot can be reached.
  const int count = static_cast<int>(m_targets.size());
  const int step = key == Qt::Key_Left || key == Qt::Key_Up ? count - 1 : 1;
  return (m_focus + step) % count;
}

bool PointerPicture::event(QEvent* event) {
  // Return chooses the hotspot the keyboard stands on, before the window's own Return (Action).
  if (event->type() == QEvent::ShortcutOverride && m_focus >= 0) {
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
      event->accept();
      return true;
    }
  }
  return CS309PictureBox::event(event);
}

void PointerPicture::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier) {
    CS309PictureBox::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      SetKeyboardTarget(Neighbour(event->key()));
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      Activate(m_focus);
      return;
    case Qt::Key_Menu:
      if (m_focus >= 0) OpenMenu(m_focus, mapToGlobal(TargetPoint(m_focus).toPoint()));
      return;
    default:
      CS309PictureBox::keyPressEvent(event);
  }
}

void PointerPicture::focusInEvent(QFocusEvent* event) {
  CS309PictureBox::focusInEvent(event);
  if (m_focus < 0 && !m_targets.empty()) m_focus = 0;
  update();
}

void PointerPicture::focusOutEvent(QFocusEvent* event) {
  CS309PictureBox::focusOutEvent(event);
  update();
}

void PointerPicture::paintEvent(QPaintEvent* event) {
  CS309PictureBox::paintEvent(event);
  if (!HasPicture() || m_mapSize.isEmpty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QTransform toWidget = QTransform::fromScale(double(width()) / m_mapSize.width(),
                                                    double(height()) / m_mapSize.height());
  auto stroke = [&](int index, const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, width, style);
    pen.setCosmetic(true);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(toWidget.map(Outline(m_targets[static_cast<std::size_t>(index)].hotspot)));
  };
  for (std::size_t index = 0; index < m_targets.size(); ++index) {
    if (m_targets[index].chosen && static_cast<int>(index) != m_hovered) stroke(static_cast<int>(index), kChosenColour, 1.5);
  }
  if (m_hovered >= 0) {
    stroke(m_hovered, kGlowColour, 6);
    stroke(m_hovered, kHoverColour, 1.5);
  }
  if (hasFocus() && m_focus >= 0) stroke(m_focus, kFocusColour, 2, Qt::DashLine);

  const QString caption = Caption();
  if (caption.isEmpty()) return;
  const int shown = m_hovered >= 0 ? m_hovered : m_focus;
  // TargetRect of no target is empty: the caption then stands at the bottom.
  QFont font = this->font();
  font.setBold(true);
  painter.setFont(font);
  const QFontMetrics metrics(font);
  const QSize text = metrics.size(Qt::TextSingleLine, caption) + QSize(metrics.height(), metrics.height() / 2);
  // Under the thing's part of the picture would hide it: the caption goes to the other half.
  const bool top = TargetRect(shown).center().y() > height() / 2.0;
  const QRectF band(QPointF((width() - text.width()) / 2.0, top ? kCaptionMargin : height() - kCaptionMargin - text.height()),
                    QSizeF(text));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kCaptionBackground);
  painter.drawRoundedRect(band, text.height() / 3.0, text.height() / 3.0);
  painter.setPen(Qt::white);
  painter.drawText(band, Qt::AlignCenter, caption);
}

}  // namespace brackenhollow
