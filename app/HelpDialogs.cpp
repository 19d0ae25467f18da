#include "app/HelpDialogs.h"

#include <sqlite3.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

#include "app/WindowMenus.h"

namespace brackenhollow {

namespace {

// A page's line length, in average characters, and the longest it may grow to on a low screen.
constexpr int kPageCharacters = 72;
constexpr int kWidestPageCharacters = 132;

// The pages' texts, as rich text.
QString HowToPlay() {
  return QDialog::tr(
      "<h2>How to play</h2>"
      "<p>You explore the world room by room. Each room has a picture and a text; the text ends with "
      "the objects lying there.</p>"
      "<h3>Acting</h3>"
      "<p>Choose a <b>verb</b> (\"Get the\", \"Look at\", \"Talk to\", …), then the <b>first object</b> "
      "and press <b>Action</b> (or Return). For \"Use the __ with the __\" choose a <b>second object</b> "
      "as well. The object lists hold what lies in the room and, under their own heading, what you "
      "carry. The answer appears in the running text beside the picture, the newest marked. A room's "
      "description appears there when you enter the room and again when it changes.</p>"
      "<h3>Pointing</h3>"
      "<p>The picture is the quickest way to play. Point at a thing to see its name; click it to choose "
      "it as the first object (or, for \"Use the __ with the __\", the second once the first is chosen); "
      "double-click it to look at it; right-click it for the verbs it can take. The things you carry "
      "stand under the picture and are clicked the same way, and so are the room's things the picture does "
      "not show, after them. The verb bar holds every verb: a verb "
      "button starts a new sentence. Click a doorway or a path to walk there; a way the picture does not "
      "show lies at its edge: behind you along the bottom, to your left and right along the sides, ahead "
      "in the upper middle. Over a way out the pointer is an arrow pointing there. On a close-up, a click "
      "beside its things goes back to the room.</p>"
      "<h3>Walking</h3>"
      "<p>Press a direction on the compass (N, S, E, W) or hold Ctrl and press an arrow key. A "
      "direction that is closed cannot be taken: many ways open only once a puzzle is solved.</p>"
      "<h3>Your game is always saved</h3>"
      "<p>Everything you do is saved the moment it happens, and the room you stand in when you "
      "leave. Quit whenever you like; <b>Continue</b> on the start window takes you back. "
      "<b>Game → New Game…</b> (or the verb \"RESET THE GAME\") starts over after asking.</p>"
      "<h3>Taking back and keeping a copy</h3>"
      "<p><b>Game → Undo</b> (Ctrl+Z) takes back the last action that changed the game, as often as you "
      "like, also after you left and came back; <b>Redo</b> (Ctrl+Shift+Z) does it again. Each says "
      "which action it took back or did again, and whether it was done in your previous session. "
      "<b>Game → Save As…</b> (Ctrl+Shift+S) keeps a copy of the game under a name of your choice, and "
      "<b>Open Saved Game…</b> (Ctrl+O) goes on from a copy after asking.</p>"
      "<h3>Stuck?</h3>"
      "<p><b>Help → Hint</b> (Ctrl+H) tells where to go next; asked again, what to use; the third time, "
      "the exact action. The hint appears in the running text.</p>"
      "<h3>Layouts</h3>"
      "<p>The picture and the text stand side by side. <b>View → Compact Layout</b> shows the "
      "picture over the text instead, with a Text/Graphic button to switch between them.</p>"
      "<h3>Heard as well as seen</h3>"
      "<p>A screen reader hears each changed choice, each answer and each room you enter. "
      "<b>View → Read Aloud</b> (Ctrl+R) has the game read them aloud itself, through the desktop's "
      "speech engine.</p>");
}

QString KeyboardShortcuts() {
  QString rows;
  auto row = [&rows](const QString& keys, const QString& what) {
    rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(keys.toHtmlEscaped(), what.toHtmlEscaped());
  };
  row(QDialog::tr("Return"),
      QDialog::tr("Press Action; on a button, press that button; in an open list, choose the entry"));
  row(QDialog::tr("Ctrl+Up, Ctrl+Down, Ctrl+Left, Ctrl+Right"), QDialog::tr("Walk north, south, west, east"));
  row(QDialog::tr("Tab, Shift+Tab"),
      QDialog::tr("Verb → first object → second object → Action → directions → the picture and the things you "
                  "carry (→ Text, Exit in the compact layout) → the running text, to read back with the arrow keys"));
  row(QDialog::tr("Alt+E, Alt+F, Alt+S"), QDialog::tr("Go to the verb, first object, second object list"));
  row(QDialog::tr("Alt and a verb button's underlined letter"), QDialog::tr("Choose that verb on the verb bar"));
  row(QDialog::tr("Arrow keys on the picture"), QDialog::tr("Move between the things and ways out in the picture"));
  row(QDialog::tr("Return, Menu key on the picture"), QDialog::tr("Choose the thing marked; offer its verbs"));
  row(QDialog::tr("Up, Down, Space"), QDialog::tr("Change or open the list that has the focus"));
  row(QDialog::tr("Escape"), QDialog::tr("Close an open list; leave fullscreen"));
  for (const MenuItem& item : MenuItems()) {
    if (item.shortcuts.isEmpty()) continue;
    QStringList keys;
    for (const QKeySequence& keySequence : item.shortcuts) keys << keySequence.toString(QKeySequence::NativeText);
    row(keys.join(QStringLiteral(", ")), QString(item.text).remove(QLatin1Char('&')));
  }
  return QDialog::tr("<h2>Keyboard shortcuts</h2><table cellspacing=\"6\">%1</table>").arg(rows);
}

QString About() {
  return QDialog::tr(
             "<h2>Brackenhollow %1</h2>"
             "<p>A point-and-click adventure: from your bedroom through the town, a cornfield maze, a "
             "mansion, a beach and a lighthouse to the ship that carries you to the island.</p>"
             "<p>Every picture is painted by the game's own painter from a scene text.</p>"
             "<h3>Made with</h3>"
             "<ul><li>Qt %2, under the GNU Lesser General Public License, version 3</li>"
             "<li>SQLite %3, in the public domain</li></ul>")
      .arg(QStringLiteral(BRACKENHOLLOW_VERSION), QString::fromLatin1(qVersion()),
           QString::fromLatin1(sqlite3_libversion()));
}

// Sizes the dialog to show the whole page without scrolling: a comfortable line length first, wider
// lines when the screen is too low for the page, and never larger than the screen leaves room for.
void FitToPage(QDialog& dialog, QTextBrowser& text) {
  const QScreen* screen = dialog.parentWidget() != nullptr ? dialog.parentWidget()->screen() : dialog.screen();
  const QSize room = screen != nullptr ? screen->availableGeometry().size() * 0.9 : QSize(1152, 720);
  const QMargins margins = dialog.layout()->contentsMargins();
  const int frame = 2 * text.frameWidth();
  const int character = dialog.fontMetrics().averageCharWidth();
  for (int characters = kPageCharacters;; characters += 10) {
    const int width = std::min(character * characters + frame + margins.left() + margins.right(), room.width());
    dialog.resize(width, room.height());
    dialog.layout()->activate();
    // The page laid out as narrow as the text shows it while a scroll bar is still up from an
    // earlier layout: it then fits either way.
    text.document()->setTextWidth(text.width() - frame - text.verticalScrollBar()->sizeHint().width());
    const int height =
        dialog.height() - text.height() + frame + static_cast<int>(std::ceil(text.document()->size().height()));
    if (height <= room.height() || characters >= kWidestPageCharacters || width == room.width()) {
      dialog.resize(width, std::min(height, room.height()));
      return;
    }
  }
}

}  // namespace

QWidget* ShowHelpPage(QWidget* parent, HelpPage page) {
  const QString objectName = QStringLiteral("help-page-%1").arg(static_cast<int>(page));
  if (auto* open = parent->findChild<QDialog*>(objectName, Qt::FindDirectChildrenOnly)) {
    open->raise();
    open->activateWindow();
    return open;
  }
  auto* dialog = new QDialog(parent);
  dialog->setObjectName(objectName);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  auto* text = new QTextBrowser(dialog);
  text->setOpenExternalLinks(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(text);
  layout->addWidget(buttons);
  switch (page) {
    case HelpPage::HowToPlay:
      dialog->setWindowTitle(QDialog::tr("How to Play"));
      text->setHtml(HowToPlay());
      break;
    case HelpPage::KeyboardShortcuts:
      dialog->setWindowTitle(QDialog::tr("Keyboard Shortcuts"));
      text->setHtml(KeyboardShortcuts());
      break;
    case HelpPage::About:
      dialog->setWindowTitle(QDialog::tr("About Brackenhollow"));
      text->setHtml(About());
      break;
  }
  text->setAccessibleName(dialog->windowTitle());
  FitToPage(*dialog, *text);
  dialog->show();
  return dialog;
}

}  // namespace brackenhollow
