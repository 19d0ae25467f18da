#pragma once
// The things the player carries, in a strip under the picture: each a small painted icon with its
// name ("item NAME.gif" beside the pictures; a plain labelled tile when there is none), chosen with a
// click like the things in the picture, looked at with a double click, its verbs on a right click.
// After them, as plain tiles, the things the room offers that its picture does not show (eggs hidden
// in a nest, a telescope seen through), so every thing can be reached by pointing.

#include <QScrollArea>
#include <QStringList>
#include <string>
#include <vector>

class QHBoxLayout;
class QLabel;
class QToolButton;

namespace brackenhollow {

class InventoryStrip : public QScrollArea {
  Q_OBJECT

 public:
  // pictureDirectory is the program's folder, where the icons lie beside the pictures.
  explicit InventoryStrip(std::string pictureDirectory, QWidget* parent = nullptr);

  // Shows these carried things and the room's things the picture does not show (remade only when
  // they changed), marks the chosen ones, and keeps the things on offer for the second of a pair.
  void SetThings(const std::vector<std::string>& carried, const std::vector<std::string>& unseen,
                 const QStringList& chosen, QStringList offered);
  // One tile per carried thing, then one per unseen thing of the room, in order.
  const std::vector<QToolButton*>& Tiles() const { return m_tiles; }
  // Whether the tile stands for a carried thing.
  bool IsCarried(const QToolButton* tile) const;
  // The things on offer, in the room and carried.
  const QStringList& Offered() const { return m_offered; }
  // The path of a thing's 1x icon.
  QString IconPath(const std::string& thing) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void ThingChosen(const QString& thing, bool carried);
  void ThingLookedAt(const QString& thing, bool carried);
  void VerbChosen(const QString& verb, const QString& thing, const QString& second, bool carried);
  // The tiles were made anew: the tab order must take them in.
  void TilesChanged();

 private:
  QToolButton* MakeTile(const QString& thing, bool carried);

  std::string m_pictureDirectory;
  QWidget* m_row;
  QHBoxLayout* m_layout;
  std::vector<std::string> m_carried;
  std::vector<std::string> m_unseen;
  std::vector<QToolButton*> m_tiles;
  std::size_t m_carriedTiles = 0;
  QLabel* m_nothingCarried;
  QLabel* m_alsoHere;
  QStringList m_offered;
};

}  // namespace brackenhollow
