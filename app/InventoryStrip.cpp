#include "app/InventoryStrip.h"

#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>

#include "app/VerbMenu.h"
#include "view/PicturePath.h"

namespace brackenhollow {

namespace {

// The icons' size at 1x; the painter paints them also at twice and three times this.
constexpr int kIconSide = 48;
constexpr int kLargestScale = 3;
// Around the icon in its tile; the name stands beside it, so the strip stays low.
constexpr int kTileMargin = 8;

// A carried thing: a click chooses it, a double click looks at it, a right click (or the
// context-menu key) offers its verbs.
class ItemTile : public QToolButton {
 public:
  ItemTile(const QString& thing, bool carried, InventoryStrip* strip)
      : QToolButton(strip), m_thing(thing), m_carried(carried), m_strip(strip) {
    setText(thing);
    setAccessibleName(thing);
    setToolTip(thing);
    setCheckable(true);
    setAutoRaise(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QToolButton::clicked, strip, [this] {
      // The mark follows the game's choice, not the click.
      setChecked(!isChecked());
      emit m_strip->ThingChosen(m_thing, m_carried);
    });
  }

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) emit m_strip->ThingLookedAt(m_thing, m_carried);
  }
  void contextMenuEvent(QContextMenuEvent* event) override {
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(rect().center()) : event->globalPos();
    const std::optional<VerbChoice> choice = RunVerbMenu(this, at, m_thing, m_strip->Offered());
    if (choice) emit m_strip->VerbChosen(choice->verb, m_thing, choice->second, m_carried);
  }
  bool event(QEvent* event) override {
    // Return chooses the tile, before the window's own Return (Action).
    if (event->type() == QEvent::ShortcutOverride) {
      auto* key = static_cast<QKeyEvent*>(event);
      if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
        event->accept();
        return true;
      }
    }
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        click();
        return true;
      }
      if (key->key() == Qt::Key_Menu) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, rect().center(), mapToGlobal(rect().center()));
        contextMenuEvent(&menu);
        return true;
      }
    }
    return QToolButton::event(event);
  }

 private:
  QString m_thing;
  bool m_carried;
  InventoryStrip* m_strip;
};

}  // namespace

InventoryStrip::InventoryStrip(std::string pictureDirectory, QWidget* parent)
    : QScrollArea(parent),
      m_pictureDirectory(std::move(pictureDirectory)),
      m_row(new QWidget),
      m_layout(new QHBoxLayout(m_row)),
      m_nothingCarried(new QLabel(tr("You carry nothing yet."), m_row)),
      m_alsoHere(new QLabel(tr("Also here:"), m_row)) {
  setAccessibleName(tr("Carried things"));
  // The tiles are the Tab stops; the strip is only their row.
  setFocusPolicy(Qt::NoFocus);
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  m_layout->setContentsMargins(0, 0, 0, 0);
  m_layout->setSpacing(4);
  // An empty strip says so, rather than leaving a blank band under the picture.
  m_nothingCarried->setEnabled(false);
  m_layout->addWidget(m_nothingCarried);
  m_alsoHere->hide();
  m_layout->addWidget(m_alsoHere);
  m_layout->addStretch(1);
  setWidget(m_row);
}

QString InventoryStrip::IconPath(const std::string& thing) const {
  return QString::fromStdString(PictureFilePath(m_pictureDirectory + "\\item " + thing + ".gif"));
}

bool InventoryStrip::IsCarried(const QToolButton* tile) const {
  for (std::size_t index = 0; index < m_carriedTiles; ++index) {
    if (m_tiles[index] == tile) return true;
  }
  return false;
}

QToolButton* InventoryStrip::MakeTile(const QString& thing, bool carried) {
  auto* tile = new ItemTile(thing, carried, this);
  QIcon icon;
  const QString path = IconPath(thing.toStdString());
  if (carried && QFileInfo(path).isFile()) {
    for (int scale = 1; scale <= kLargestScale; ++scale) {
      const QString file =
          scale == 1 ? path : path.chopped(4) + QStringLiteral("@%1x.gif").arg(scale);
      if (QFileInfo(file).isFile()) icon.addFile(file, QSize(kIconSide, kIconSide) * scale);
    }
  }
  if (icon.isNull()) {
    // No painted icon: the tile is its name in a plain frame, the same size as the others.
    tile->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tile->setAutoRaise(false);
  } else {
    tile->setIcon(icon);
    tile->setIconSize(QSize(kIconSide, kIconSide));
    tile->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  }
  tile->setMinimumHeight(kIconSide + kTileMargin);
  return tile;
}

void InventoryStrip::SetThings(const std::vector<std::string>& carried, const std::vector<std::string>& unseen,
                               const QStringList& chosen, QStringList offered) {
  m_offered = std::move(offered);
  if (carried != m_carried || unseen != m_unseen) {
    // A tile may be the one whose click led here: it goes once its event is over.
    for (QToolButton* tile : m_tiles) {
      tile->hide();
      m_layout->removeWidget(tile);
      tile->deleteLater();
    }
    m_tiles.clear();
    m_carried = carried;
    m_unseen = unseen;
    for (const std::string& thing : carried) {
      QToolButton* tile = MakeTile(QString::fromStdString(thing), true);
      m_layout->insertWidget(static_cast<int>(m_tiles.size()), tile);
      m_tiles.push_back(tile);
    }
    m_carriedTiles = m_tiles.size();
    m_nothingCarried->setVisible(carried.empty());
    // The label stands between the carried things and the room's unseen ones.
    m_alsoHere->setVisible(!unseen.empty());
    for (const std::string& thing : unseen) {
      QToolButton* tile = MakeTile(QString::fromStdString(thing), false);
      // After the carried tiles and the two labels.
      m_layout->insertWidget(static_cast<int>(m_tiles.size()) + 2, tile);
      m_tiles.push_back(tile);
    }
    emit TilesChanged();
  }
  for (QToolButton* tile : m_tiles) tile->setChecked(chosen.contains(tile->text()));
}

QSize InventoryStrip::sizeHint() const {
  return {kIconSide * 6, kIconSide + kTileMargin + horizontalScrollBar()->sizeHint().height()};
}

QSize InventoryStrip::minimumSizeHint() const { return {kIconSide * 2, sizeHint().height()}; }

}  // namespace brackenhollow
