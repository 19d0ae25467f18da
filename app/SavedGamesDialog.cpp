#include "app/SavedGamesDialog.h"

#include <QDateTime>
#include <QDialog>
#include <QFileInfo>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

#include "view/PicturePath.h"
#include "view/PictureTables.h"

namespace brackenhollow {

namespace {

constexpr QSize kThumbnail(160, 110);
// The saves shown without scrolling, and the characters a name's field shows.
constexpr int kRowsShown = 4;
constexpr int kNameCharacters = 56;

// The room's picture scaled down, or an empty frame when the picture cannot be found.
QPixmap Thumbnail(const NamedSave& save, const std::string& programDirectory) {
  QPixmap picture;
  const std::string file = ThumbnailFile(save, programDirectory);
  if (!file.empty()) picture.load(QString::fromStdString(file));
  if (picture.isNull()) {
    QPixmap blank(kThumbnail);
    blank.fill(Qt::darkGray);
    return blank;
  }
  return picture.scaled(kThumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

std::string ThumbnailFile(const NamedSave& save, const std::string& pictureFolder) {
  // The name in the file is only a choice among the room's own pictures, never a path of its own.
  const std::vector<std::string> names = RoomPictureNames(save.room);
  if (names.empty()) return {};
  const bool known = std::find(names.begin(), names.end(), save.picture) != names.end();
  const std::string file = PictureFilePath(pictureFolder + (known ? save.picture : names.front()));
  return QFileInfo(QString::fromStdString(file)).isFile() ? file : std::string();
}

std::optional<std::string> ChooseSavedGame(QWidget* parent, const std::vector<NamedSave>& saves,
                                           const std::string& programDirectory) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QDialog::tr("Open Saved Game"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* list = new QListWidget(&dialog);
  list->setIconSize(kThumbnail);
  list->setAccessibleName(QDialog::tr("Saved games"));
  for (const NamedSave& save : saves) {
    const QString when = QLocale().toString(QDateTime::fromSecsSinceEpoch(save.savedAt), QLocale::ShortFormat);
    const QString room = save.roomName.empty() ? QDialog::tr("room %1").arg(save.room) : QString::fromStdString(save.roomName);
    const QString about = save.problem.empty()
                              ? QStringLiteral("%1 · %2").arg(room, when)
                              : QDialog::tr("Cannot be opened: %1").arg(QString::fromStdString(save.problem));
    auto* item = new QListWidgetItem(QIcon(Thumbnail(save, programDirectory)),
                                     QStringLiteral("%1\n%2").arg(QString::fromStdString(save.name), about), list);
    item->setData(Qt::UserRole, QByteArray(save.name.data(), static_cast<qsizetype>(save.name.size())));
    if (!save.problem.empty()) item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, &dialog);
  QPushButton* open = buttons->button(QDialogButtonBox::Open);
  if (saves.empty()) {
    layout->addWidget(new QLabel(QDialog::tr("There are no saved games yet. Use Game → Save As… to keep one."), &dialog));
    list->hide();
  } else {
    const auto openable = std::find_if(saves.begin(), saves.end(), [](const NamedSave& save) { return save.problem.empty(); });
    if (openable != saves.end()) list->setCurrentRow(static_cast<int>(openable - saves.begin()));
  }
  open->setEnabled(list->currentItem() != nullptr);
  layout->addWidget(list);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
  // Wide enough for the longest name and its room, high enough for a few saves; within the screen.
  dialog.adjustSize();
  if (!saves.empty()) {
    const int rows = std::min(static_cast<int>(saves.size()), kRowsShown);
    const int frame = 2 * list->frameWidth();
    list->setMinimumSize(list->sizeHintForColumn(0) + frame + list->verticalScrollBar()->sizeHint().width(),
                         list->sizeHintForRow(0) * rows + frame);
    dialog.adjustSize();
    list->setMinimumSize(0, 0);
  }
  if (const QScreen* screen = dialog.screen()) {
    dialog.resize(dialog.size().boundedTo(screen->availableGeometry().size() * 0.9));
  }
  if (dialog.exec() != QDialog::Accepted || list->currentItem() == nullptr) return std::nullopt;
  return list->currentItem()->data(Qt::UserRole).toByteArray().toStdString();
}

std::optional<std::string> AskSaveName(QWidget* parent, const std::string& suggestion) {
  QInputDialog dialog(parent);
  dialog.setWindowTitle(QDialog::tr("Save As"));
  dialog.setLabelText(QDialog::tr("Name of the saved game:"));
  dialog.setTextValue(QString::fromStdString(suggestion));
  // Room for a long name, and for the title, which the window manager cuts in a narrow window.
  dialog.resize(std::max(dialog.sizeHint().width(), dialog.fontMetrics().averageCharWidth() * kNameCharacters),
                dialog.sizeHint().height());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

}  // namespace brackenhollow
