#include "app/GameList.h"

#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include "view/RoomView.h"

namespace brackenhollow {

namespace {

// Whether the entry is one of the room view's section headings.
bool IsHeading(const QString& text) {
  return text == QLatin1String(kObjectsHeader) || text == QLatin1String(kInventoryHeader);
}

// Draws a heading in bold small capitals without its trailing dashes; other entries as usual.
class HeadingDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!IsHeading(index.data().toString())) return;
    option->text = option->text.section(QLatin1Char(' '), 0, -2).trimmed();
    option->font.setBold(true);
    option->font.setCapitalization(QFont::SmallCaps);
    option->displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  }
};

}  // namespace

GameList::GameList(QWidget* parent) : QComboBox(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMaxVisibleItems(16);
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(14);
  setItemDelegate(new HeadingDelegate(this));
}

void GameList::SetEntries(const std::vector<std::string>& entries) {
  clear();
  auto* items = qobject_cast<QStandardItemModel*>(model());
  for (const std::string& entry : entries) {
    const QString text = QString::fromStdString(entry);
    addItem(text);
    if (IsHeading(text) && items != nullptr) {
      QStandardItem* item = items->item(count() - 1);
      // A heading is for reading: the player cannot choose it, and the keys and the wheel pass over it.
      item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
    }
  }
}

bool GameList::Holds(const std::vector<std::string>& entries) const {
  if (count() != static_cast<int>(entries.size())) return false;
  for (int index = 0; index < count(); ++index) {
    if (itemText(index) != QString::fromStdString(entries[static_cast<std::size_t>(index)])) return false;
  }
  return true;
}

void GameList::wheelEvent(QWheelEvent* event) {
  if (!hasFocus()) {
    event->ignore();
    return;
  }
  QComboBox::wheelEvent(event);
}

}  // namespace brackenhollow
