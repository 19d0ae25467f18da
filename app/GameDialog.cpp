#include "app/GameDialog.h"

#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include "app/DialogUnits.h"
#include "app/SplashDialog.h"
#include "view/CS309PictureBox.h"
#include "view/PictureStartSettings.h"

namespace brackenhollow {

namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// The text view shows the game's "\r\n" line breaks as plain new lines.
QString ViewText(const std::string& text) { return ToQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

}  // namespace

GameDialog::GameDialog(GameDatabase& database, MessageBoxes& boxes, const std::string& programDirectory,
                       QWidget* parent)
    : QDialog(parent),
      m_screen(database, boxes, programDirectory),
      m_splash(new SplashDialog(database, programDirectory, this)) {
  setWindowTitle(QStringLiteral("Brackenhollow"));
  CreateControls();
  ConnectControls();
  m_screen.SetPaintNow([this] {
    Mirror();
    m_textView->repaint();
  });
}

GameDialog::~GameDialog() = default;

void GameDialog::CreateControls() {
  const double scale = DialogScale();
  // The template is 207 units high, the lower part kept free for the handheld's soft keyboard; a
  // desktop window ends below the last control.
  setFixedSize(DialogRect(0, 0, 156, 166, scale).size());
  QFont textFont = font();
  textFont.setPixelSize(static_cast<int>(scale * 3.7));
  QFont controlFont = font();
  controlFont.setPixelSize(static_cast<int>(scale * 2.9));
  setFont(controlFont);

  auto button = [&](Control control, const char* caption, QRect geometry) {
    auto* created = new QPushButton(ToQt(caption), this);
    created->setGeometry(geometry);
    created->setAutoDefault(false);
    m_buttons[static_cast<std::size_t>(control)] = created;
    return created;
  };
  auto list = [&](Control control, QRect geometry) {
    auto* created = new QComboBox(this);
    created->setGeometry(geometry);
    created->setMaxVisibleItems(14);
    m_lists[static_cast<std::size_t>(control)] = created;
    return created;
  };

  // Created bottom first, so the picture lies over the text view as in the template.
  m_textView = new QPlainTextEdit(this);
  m_textView->setGeometry(DialogRect(4, 1, 149, 102, scale));
  m_textView->setFont(textFont);
  m_textView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list(Control::Noun2List, DialogRect(46, 149, 107, 12, scale));
  list(Control::Noun1List, DialogRect(46, 135, 107, 12, scale));
  list(Control::VerbList, DialogRect(46, 121, 107, 12, scale));
  button(Control::West, "W", DialogRect(3, 125, 18, 16, scale));
  button(Control::East, "E", DialogRect(23, 125, 18, 16, scale));
  button(Control::South, "S", DialogRect(13, 143, 18, 16, scale));
  button(Control::North, "N", DialogRect(13, 107, 18, 16, scale));
  button(Control::Toggle, "Text", DialogRect(45, 105, 36, 13, scale));
  button(Control::Exit, "Exit", DialogRect(123, 105, 30, 13, scale));
  m_picture = new CS309PictureBox(this);
  m_picture->setGeometry(DialogRect(4, 1, 149, 102, scale));
  // Return presses Action: the quickest way to try a choice.
  button(Control::Action, "Action", DialogRect(84, 105, 36, 13, scale))->setDefault(true);
  for (Control direction : {Control::North, Control::South, Control::East, Control::West}) {
    m_buttons[static_cast<std::size_t>(direction)]->setStyleSheet(QStringLiteral("font-weight: bold;"));
  }
  for (const std::string& verb : m_screen.Screen().verbs.entries) List(Control::VerbList)->addItem(ToQt(verb));
}

QPushButton* GameDialog::Button(Control control) const { return m_buttons[static_cast<std::size_t>(control)]; }

QComboBox* GameDialog::List(Control control) const { return m_lists[static_cast<std::size_t>(control)]; }

QWidget* GameDialog::Widget(Control control) const {
  if (QPushButton* button = Button(control)) return button;
  return List(control);
}

void GameDialog::ConnectControls() {
  connect(Button(Control::Action), &QPushButton::clicked, this, [this] { Route([this] { m_screen.OnAction(); }); });
  connect(Button(Control::North), &QPushButton::clicked, this, [this] { Route([this] { m_screen.OnNorth(); }); });
  connect(Button(Control::South), &QPushButton::clicked, this, [this] { Route([this] { m_screen.OnSouth(); }); });
  connect(Button(Control::East), &QPushButton::clicked, this, [this] { Route([this] { m_screen.OnEast(); }); });
  connect(Button(Control::West), &QPushButton::clicked, this, [this] { Route([this] { m_screen.OnWest(); }); });
  connect(Button(Control::Toggle), &QPushButton::clicked, this,
          [this] { Route([this] { m_screen.OnTextGraphic(); }); });
  connect(Button(Control::Exit), &QPushButton::clicked, this, [this] { Route([this] { m_screen.OnExit(); }); });
  // Ctrl and an arrow key walk, through the button itself, so a closed exit stays closed.
  const std::array<std::pair<Control, QKeyCombination>, 4> walkKeys = {{{Control::North, Qt::CTRL | Qt::Key_Up},
                                                                        {Control::South, Qt::CTRL | Qt::Key_Down},
                                                                        {Control::East, Qt::CTRL | Qt::Key_Right},
                                                                        {Control::West, Qt::CTRL | Qt::Key_Left}}};
  for (const auto& [control, keys] : walkKeys) {
    connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, Button(control), &QPushButton::click);
  }
  connect(List(Control::VerbList), &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!m_mirroring) Route([this, index] { m_screen.ChooseVerb(index); });
  });
  connect(List(Control::Noun1List), &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!m_mirroring) Route([this, index] { m_screen.ChooseNoun1(index); });
  });
  connect(List(Control::Noun2List), &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!m_mirroring) Route([this, index] { m_screen.ChooseNoun2(index); });
  });
}

template <typename Handler>
void GameDialog::Route(Handler handler) {
  handler();
  Mirror();
  if (m_screen.Screen().closeRequested) accept();
}

void GameDialog::Mirror() {
  m_mirroring = true;
  const ScreenState& screen = m_screen.Screen();
  for (std::size_t index = 0; index < kControlCount; ++index) {
    Widget(static_cast<Control>(index))->setEnabled(screen.enabled[index]);
  }
  Button(Control::Toggle)->setText(ToQt(screen.toggleCaption));
  const QString pictureFile = ToQt(screen.pictureFile);
  if (!pictureFile.isEmpty() && pictureFile != m_picture->PictureFile()) m_picture->SetPictureFile(pictureFile);
  if (m_picture->isHidden() == screen.pictureShown) m_picture->SetPictureShown(screen.pictureShown);
  if (screen.viewTextRevision != m_shownTextRevision) {
    m_textView->setPlainText(ViewText(screen.viewText));
    // The newest words (an action's answer) stand last: keep them in sight when the text is long.
    m_textView->moveCursor(QTextCursor::End);
    m_shownTextRevision = screen.viewTextRevision;
  }
  const std::array<std::pair<Control, const ListState*>, 3> lists = {
      {{Control::VerbList, &screen.verbs}, {Control::Noun1List, &screen.noun1}, {Control::Noun2List, &screen.noun2}}};
  for (const auto& [control, state] : lists) {
    QComboBox* combo = List(control);
    bool same = combo->count() == static_cast<int>(state->entries.size());
    for (int index = 0; same && index < combo->count(); ++index) {
      same = combo->itemText(index) == ToQt(state->entries[static_cast<std::size_t>(index)]);
    }
    if (!same) {
      combo->clear();
      for (const std::string& entry : state->entries) combo->addItem(ToQt(entry));
    }
    combo->setCurrentIndex(state->selected);
  }
  m_mirroring = false;
}

int GameDialog::Run() {
  PrepareStart();
  m_splash->exec();
  EnterGame(m_splash->StartChoice());
  if (m_screen.Screen().closeRequested) return QDialog::Accepted;
  return exec();
}

void GameDialog::PrepareStart() {
  m_screen.PrepareStart();
  ApplyPictureStartSettings(*m_picture);
  Mirror();
}

void GameDialog::EnterGame(const std::string& startChoice) {
  m_screen.EnterGame(startChoice);
  Mirror();
}

void GameDialog::reject() { accept(); }

}  // namespace brackenhollow
