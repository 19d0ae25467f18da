#include "app/GameList.h"

#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include "app/GameAccessibility.h"
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
  InstallGameAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  setMaxVisibleItems(16);
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(14);
  setItemDelegate(new HeadingDelegate(this));
}

void GameList::SetEntries(const std::vector<std::string>& entries) {
  // Built aside and put in at once, so a screen reader hears of one change, not of every row.
  auto* items = new QStandardItemModel(this);
  for (const std::string& entry : entries) {
    const QString text = QString::fromStdString(entry);
    auto* item = new QStandardItem(text);
    // The open list reads its entries as the closed one reads its value.
    const QString spoken = SpokenEntry(text);
    if (spoken != text) item->setData(spoken, Qt::AccessibleTextRole);
    if (IsHeading(text)) {
      // A heading is for reading: the player cannot choose it, and the keys and the wheel pass over it.
      item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
      item->setData(tr("heading"), Qt::AccessibleDescriptionRole);
    }
    items->appendRow(item);
  }
  setModel(items);  // deletes the list's previous model
}

QString GameList::SpokenText(int index) const {
  return index >= 0 && index < count() ? SpokenEntry(itemText(index)) : SpokenEntry(QString());
}

QString GameList::SpokenEntry(const QString& text) {
  if (text.trimmed().isEmpty()) return tr("nothing");
  if (IsHeading(text)) {
    // "OBJECTS IN ROOM -------" reads "Objects in room".
    const QString words = text.section(QLatin1Char(' '), 0, -2).trimmed().toLower();
    return words.left(1).toUpper() + words.mid(1);
  }
  // "Use the __ with the __" reads "Use the blank with the blank".
  return QString(text).replace(QStringLiteral("__"), tr("blank"));
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
