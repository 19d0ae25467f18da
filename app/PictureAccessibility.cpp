#include "app/PictureAccessibility.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <map>

#include "app/PointerPicture.h"

namespace brackenhollow {

namespace {

// One hotspot of the picture. It lives as long as the picture keeps the same hotspots.
class HotspotAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  HotspotAccessible(PointerPicture* picture, int index) : m_picture(picture), m_index(index) {}

  bool isValid() const override {
    return !m_picture.isNull() && m_index < static_cast<int>(m_picture->Targets().size());
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return m_picture ? m_picture->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_picture.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }

  QString text(QAccessible::Text kind) const override {
    if (!isValid()) return {};
    if (kind == QAccessible::Name) return m_picture->TargetName(m_index);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect local = m_picture->TargetRect(m_index).toAlignedRect();
    return QRect(m_picture->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::Button; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) {
      state.invalid = true;
      return state;
    }
    state.focusable = true;
    state.focused = m_picture->hasFocus() && m_picture->KeyboardTarget() == m_index;
    state.invisible = !m_picture->isVisible();
    const PointerTarget& target = m_picture->Targets()[static_cast<std::size_t>(m_index)];
    state.disabled = !target.open;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name != pressAction() || !isValid()) return;
    m_picture->ClickAt(PicturePoint());
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  // The hotspot's own click point in 1x picture pixels.
  QPointF PicturePoint() const {
    const HotspotPoint& point = m_picture->Targets()[static_cast<std::size_t>(m_index)].hotspot.point;
    return {point.x + 0.5, point.y + 0.5};
  }

  QPointer<PointerPicture> m_picture;
  int m_index;
};

// The children of each picture, made when first asked for and forgotten when the hotspots change.
std::map<const PointerPicture*, std::vector<QAccessible::Id>>& Children() {
  static std::map<const PointerPicture*, std::vector<QAccessible::Id>> children;
  return children;
}

QAccessibleInterface* ChildOf(PointerPicture* picture, int index) {
  std::vector<QAccessible::Id>& ids = Children()[picture];
  const std::size_t count = picture->Targets().size();
  if (index < 0 || static_cast<std::size_t>(index) >= count) return nullptr;
  if (ids.size() != count) ids.assign(count, 0);
  QAccessible::Id& id = ids[static_cast<std::size_t>(index)];
  if (id == 0) id = QAccessible::registerAccessibleInterface(new HotspotAccessible(picture, index));
  return QAccessible::accessibleInterface(id);
}

void ForgetChildren(const PointerPicture* picture) {
  const auto found = Children().find(picture);
  if (found == Children().end()) return;
  for (QAccessible::Id id : found->second) {
    if (id != 0) QAccessible::deleteAccessibleInterface(id);
  }
  Children().erase(found);
}

class PictureAccessible : public QAccessibleWidget {
 public:
  explicit PictureAccessible(PointerPicture* picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}
  ~PictureAccessible() override { ForgetChildren(Picture()); }

  int childCount() const override { return static_cast<int>(Picture()->Targets().size()); }
  QAccessibleInterface* child(int index) const override { return ChildOf(Picture(), index); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int index = 0; index < childCount(); ++index) {
      if (ChildOf(Picture(), index) == child) return index;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = Picture()->mapFromGlobal(QPoint(x, y));
    for (int index = childCount(); index-- > 0;) {
      if (Picture()->TargetRect(index).contains(local)) return ChildOf(Picture(), index);
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return Picture()->hasFocus() ? ChildOf(Picture(), Picture()->KeyboardTarget()) : nullptr;
  }

 private:
  PointerPicture* Picture() const { return static_cast<PointerPicture*>(widget()); }
};

QAccessibleInterface* MakeAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String(PointerPicture::staticMetaObject.className()) && object->isWidgetType()) {
    return new PictureAccessible(static_cast<PointerPicture*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallPictureAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(MakeAccessible);
    return true;
  }();
  (void)installed;
}

void TargetsChanged(PointerPicture* picture) {
  ForgetChildren(picture);
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(picture, QAccessible::ObjectReorder);
  QAccessible::updateAccessibility(&event);
}

void TargetFocused(PointerPicture* picture, int index) {
  if (!QAccessible::isActive()) return;
  if (QAccessibleInterface* child = ChildOf(picture, index)) {
    QAccessibleEvent event(child, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace brackenhollow
