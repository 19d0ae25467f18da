#include "app/GameDialog.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>

#include "app/GameList.h"
#include "app/InventoryStrip.h"
#include "app/PointerPicture.h"
#include "app/ScreenReaderNotice.h"
#include "app/TranscriptView.h"
#include "app/VerbBar.h"
#include "view/CS309PictureBox.h"
#include "view/PictureFrame.h"
#include "view/PicturePath.h"
#include "view/PictureStartSettings.h"
#include "view/RoomView.h"

namespace brackenhollow {

namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// The text view shows the game's "\r\n" line breaks as plain new lines.
QString ViewText(const std::string& text) { return ToQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

// The colour around the picture beside the text.
constexpr QColor kStageColour(0x2a, 0x2d, 0x33);

// The room text reads a little larger than the controls around it.
constexpr double kTextScale = 1.2;

// The gap between the rows of lists, and between the compass's rows beside them.
constexpr int kRowSpacing = 6;

struct DirectionControl {
  Control control;
  const char* caption;
  const char* name;
  Qt::Key key;
  int row;
  int column;
};

constexpr std::array<DirectionControl, 4> kDirectionControls = {{
    {Control::North, "N", "North", Qt::Key_Up, 0, 1},
    {Control::West, "W", "West", Qt::Key_Left, 1, 0},
    {Control::East, "E", "East", Qt::Key_Right, 1, 2},
    {Control::South, "S", "South", Qt::Key_Down, 2, 1},
}};

struct ListControl {
  Control control;
  const char* label;  // with its mnemonic
  const char* name;
};

constexpr std::array<ListControl, 3> kListControls = {{
    // Alt+V belongs to the View menu.
    {Control::VerbList, "V&erb", "Verb"},
    {Control::Noun1List, "&First object", "First object"},
    {Control::Noun2List, "&Second object", "Second object"},
}};

}  // namespace

GameDialog::GameDialog(GameDatabase& database, MessageBoxes& boxes, const std::string& programDirectory,
                       QWidget* parent)
    : QWidget(parent), m_screen(database, boxes, programDirectory), m_database(database), m_programDirectory(programDirectory) {
  CreateControls();
  ConnectControls();
  ConnectPointer();
  SetTabOrder();
  SetLayout(Layout::Together);
  m_screen.SetPaintNow([this] {
    Mirror();
    m_textView->repaint();
  });
}

GameDialog::~GameDialog() = default;

void GameDialog::CreateControls() {
  m_textView = new QPlainTextEdit(this);
  // Read-only: typing there changed nothing in the game, and it kept Return and Tab from the controls.
  m_textView->setReadOnly(true);
  m_textView->setTabChangesFocus(true);
  m_textView->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  m_textView->setAccessibleName(tr("Room description"));
  m_transcript = new TranscriptView(this);
  m_notice = new ScreenReaderNotice(this);
  m_pointerPicture = new PointerPicture;
  m_picture = m_pointerPicture;
  m_pictureFrame = new PictureFrame(m_picture, this);
  m_strip = new InventoryStrip(m_programDirectory, this);
  m_verbBar = new VerbBar(this);

  for (const ListControl& list : kListControls) {
    auto* created = new GameList(this);
    created->setAccessibleName(tr(list.name));
    auto* label = new QLabel(tr(list.label), this);
    label->setBuddy(created);
    m_lists[static_cast<std::size_t>(list.control)] = created;
    m_labels[static_cast<std::size_t>(list.control)] = label;
  }
  auto button = [&](Control control, const char* caption) {
    auto* created = new QPushButton(ToQt(caption), this);
    created->setAutoDefault(false);
    m_buttons[static_cast<std::size_t>(control)] = created;
    return created;
  };
  button(Control::Toggle, "Text")->setToolTip(tr("Switch between the picture and the text"));
  button(Control::Action, "Action")->setToolTip(tr("Try the verb with the objects (Return)"));
  button(Control::Exit, "Exit")->setToolTip(tr("Leave the game; it is saved (Ctrl+Q)"));
  Button(Control::Action)->setAccessibleName(tr("Action"));
  CreateCompass();
  m_lists[static_cast<std::size_t>(Control::VerbList)]->SetEntries(m_screen.Screen().verbs.entries);
  UpdateTextFonts();
}

void GameDialog::CreateCompass() {
  m_compass = new QWidget(this);
  auto* grid = new QGridLayout(m_compass);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(kRowSpacing);
  for (const DirectionControl& direction : kDirectionControls) {
    auto* created = new QPushButton(ToQt(direction.caption), m_compass);
    created->setAutoDefault(false);
    created->setAccessibleName(tr(direction.name));
    created->setToolTip(tr("%1 (Ctrl+%2)").arg(tr(direction.name), QKeySequence(direction.key).toString()));
    QFont bold = created->font();
    bold.setBold(true);
    created->setFont(bold);
    grid->addWidget(created, direction.row, direction.column);
    m_buttons[static_cast<std::size_t>(direction.control)] = created;
  }
  auto* rose = new QLabel(QStringLiteral("✦"), m_compass);
  rose->setAccessibleName(tr("Compass"));
  rose->setAlignment(Qt::AlignCenter);
  rose->setEnabled(false);
  grid->addWidget(rose, 1, 1);
  // Closed ways look closed: a flat, dashed outline in place of a raised button.
  m_compass->setStyleSheet(QStringLiteral(
      "QPushButton:disabled { background: transparent; border: 1px dashed palette(mid); color: palette(mid); }"));
}

QPushButton* GameDialog::Button(Control control) const { return m_buttons[static_cast<std::size_t>(control)]; }

QComboBox* GameDialog::List(Control control) const { return m_lists[static_cast<std::size_t>(control)]; }

QLabel* GameDialog::ListLabel(Control control) const { return m_labels[static_cast<std::size_t>(control)]; }

QWidget* GameDialog::Widget(Control control) const {
  if (QPushButton* button = Button(control)) return button;
  return List(control);
}

void GameDialog::ConnectControls() {
  connect(Button(Control::Action), &QPushButton::clicked, this,
          [this] { Route([this] { m_screen.OnAction(); }, true); });
  connect(Button(Control::North), &QPushButton::clicked, this, [this] { Route([this] { m_screen.OnNorth(); }); });
  connect(Button(Control::South), &QPushButton::clicked, this, [this] { Route([this] { m_screen.OnSouth(); }); });
  connect(Button(Control::East), &QPushButton::clicked, this, [this] { Route([this] { m_screen.OnEast(); }); });
  connect(Button(Control::West), &QPushButton::clicked, this, [this] { Route([this] { m_screen.OnWest(); }); });
  connect(Button(Control::Toggle), &QPushButton::clicked, this,
          [this] { Route([this] { m_screen.OnTextGraphic(); }); });
  connect(Button(Control::Exit), &QPushButton::clicked, this, [this] { Route([this] { m_screen.OnExit(); }); });
  // Ctrl and an arrow key walk, through the button itself, so a closed exit stays closed.
  for (const DirectionControl& direction : kDirectionControls) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | direction.key), this);
    connect(shortcut, &QShortcut::activated, Button(direction.control), &QPushButton::click);
  }
  connect(List(Control::VerbList), &QComboBox::currentIndexChanged, this, [this](int index) {
    if (m_mirroring) return;
    Route([this, index] { m_screen.ChooseVerb(index); });
    AnnounceChoice(Control::VerbList);
  });
  connect(List(Control::Noun1List), &QComboBox::currentIndexChanged, this, [this](int index) {
    if (m_mirroring) return;
    Route([this, index] { m_screen.ChooseNoun1(index); });
    AnnounceChoice(Control::Noun1List);
  });
  connect(List(Control::Noun2List), &QComboBox::currentIndexChanged, this, [this](int index) {
    if (m_mirroring) return;
    Route([this, index] { m_screen.ChooseNoun2(index); });
    AnnounceChoice(Control::Noun2List);
  });
}

void GameDialog::SetTabOrder() {
  // Verb, objects, Action, then the ways to walk; the text last, for reading back.
  const std::array<QWidget*, 11> order = {
      List(Control::VerbList), List(Control::Noun1List), List(Control::Noun2List), Button(Control::Action),
      Button(Control::North),  Button(Control::West),    Button(Control::East),    Button(Control::South),
      Button(Control::Toggle), Button(Control::Exit),    m_transcript};
  for (std::size_t index = 1; index < order.size(); ++index) setTabOrder(order[index - 1], order[index]);
  // The picture and the carried things come after the ways to walk.
  setTabOrder(Button(Control::South), m_pointerPicture);
  setTabOrder(m_pointerPicture, Button(Control::Toggle));
  setTabOrder(Button(Control::Exit), m_textView);
}

void GameDialog::SetLayout(Layout layout) {
  m_layout = layout;
  delete this->layout();
  const bool compact = layout == Layout::Compact;
  m_textView->setVisible(compact);
  m_transcript->setVisible(!compact);
  Button(Control::Toggle)->setVisible(compact);
  Button(Control::Exit)->setVisible(compact);
  m_strip->setVisible(!compact);
  m_verbBar->setVisible(!compact);

  auto* lists = new QGridLayout;
  lists->setVerticalSpacing(kRowSpacing);
  int row = 0;
  for (const ListControl& list : kListControls) {
    lists->addWidget(ListLabel(list.control), row, 0);
    lists->addWidget(List(list.control), row, 1);
    ++row;
  }
  lists->setColumnStretch(1, 1);

  auto* controls = new QHBoxLayout;
  controls->setSpacing(16);
  controls->addWidget(m_compass, 0, Qt::AlignBottom);
  QPushButton* action = Button(Control::Action);
  if (compact) {
    auto* main = new QVBoxLayout(this);
    // The picture lies over the text in the same place; hiding it uncovers the text.
    auto* view = new QGridLayout;
    view->addWidget(m_textView, 0, 0);
    view->addWidget(m_pictureFrame, 0, 0);
    main->addLayout(view, 1);
    auto* buttons = new QHBoxLayout;
    for (Control control : {Control::Toggle, Control::Action, Control::Exit}) buttons->addWidget(Button(control));
    auto* right = new QVBoxLayout;
    right->setSpacing(kRowSpacing);
    right->addLayout(buttons);
    right->addLayout(lists);
    controls->addLayout(right, 1);
    main->addLayout(controls);
    action->setMinimumHeight(0);
    action->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    m_pictureFrame->setPalette(palette());
  } else {
    // The controls stand in the picture's column and Action in the text's, so the row uses the
    // window's whole width at any size; the carried things and the verb bar stand under the picture.
    auto* main = new QGridLayout(this);
    auto* pictureColumn = new QVBoxLayout;
    pictureColumn->addWidget(m_pictureFrame, 1);
    pictureColumn->addWidget(m_strip);
    pictureColumn->addWidget(m_verbBar);
    main->addLayout(pictureColumn, 0, 0);
    main->addWidget(m_transcript, 0, 1);
    controls->addLayout(lists, 1);
    main->addLayout(controls, 1, 0);
    main->addWidget(action, 1, 1, Qt::AlignVCenter);
    main->setColumnStretch(0, 7);
    main->setColumnStretch(1, 3);
    main->setRowStretch(0, 1);
    // The one button pressed after every choice: large enough to find at a glance.
    action->setMinimumSize(fontMetrics().averageCharWidth() * 16, fontMetrics().height() * 3);
    action->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The picture stands on a dark stage, whatever its margins.
    QPalette stage = m_pictureFrame->palette();
    stage.setColor(QPalette::Window, kStageColour);
    m_pictureFrame->setPalette(stage);
  }
  m_pictureFrame->raise();
  SizeCompass();
  Mirror();
}

template <typename Handler>
void GameDialog::Route(Handler handler, bool action) {
  handler();
  Mirror();
  RecordTranscript(action);
  if (m_screen.Screen().closeRequested) emit CloseRequested();
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
  // Side by side the picture is always in view; the compact screen shows it or the text.
  const bool pictureShown = m_layout == Layout::Together || screen.pictureShown;
  if (m_picture->isHidden() == pictureShown) m_picture->SetPictureShown(pictureShown);
  m_pictureFrame->setVisible(pictureShown);
  if (screen.viewTextRevision != m_shownTextRevision) {
    const QString text = ViewText(screen.viewText);
    // A choice rewrites the same text: only a change is shown. The change reaches a screen reader
    // through the notice, once, not as the text view's removal and insertion of all its text.
    if (text != m_textView->toPlainText()) {
      const QSignalBlocker quiet(m_textView->document());
      m_textView->setPlainText(text);
    }
    // The newest words (an action's answer) stand last: keep them in sight when the text is long.
    m_textView->moveCursor(QTextCursor::End);
    m_shownTextRevision = screen.viewTextRevision;
  }
  const std::array<std::pair<Control, const ListState*>, 3> lists = {
      {{Control::VerbList, &screen.verbs}, {Control::Noun1List, &screen.noun1}, {Control::Noun2List, &screen.noun2}}};
  for (const auto& [control, state] : lists) {
    GameList* list = m_lists[static_cast<std::size_t>(control)];
    if (!list->Holds(state->entries)) list->SetEntries(state->entries);
    list->setCurrentIndex(state->selected);
  }
  MirrorPointer();
  NamePicture();
  m_mirroring = false;
  emit Mirrored();
}

void GameDialog::RecordTranscript(bool afterAction) {
  const ScreenState& screen = m_screen.Screen();
  // The game goes on elsewhere: its passage starts with the room again, even when the player stood
  // there.
  if (screen.worldRevision != m_recordedWorldRevision) {
    m_recordedWorldRevision = screen.worldRevision;
    m_transcriptRecord.Restart();
    m_recordedRoom = 0;
  }
  const bool entered = m_screen.CurrentRoom() != m_recordedRoom;
  m_recordedRoom = m_screen.CurrentRoom();
  const bool told = screen.toldRevision != m_recordedToldRevision;
  if (screen.viewTextRevision == m_recordedTextRevision && !told) return;
  m_recordedTextRevision = screen.viewTextRevision;
  m_recordedToldRevision = screen.toldRevision;
  const std::vector<Transcript::Entry> added = m_transcriptRecord.Record(
      m_screen.CurrentRoom(), screen.viewText, afterAction, told ? screen.toldAnswer : std::string());
  m_transcript->Append(added);
  if (told) emit Told(ToQt(screen.toldAnswer));
  // Told as shown: beside the picture without the hints to press Graphic, in the compact text with them.
  auto shown = [this](const std::string& text) {
    return ViewText(m_layout == Layout::Together ? WithoutGraphicHints(text) : text).trimmed();
  };
  QStringList spoken;
  // A room entered is told even when its text reads as the last one shown (rooms alike): the player
  // moved, and hears where to.
  if (entered) spoken << shown(SplitViewText(screen.viewText).roomText);
  for (const Transcript::Entry& entry : added) {
    if (entry.kind == Transcript::Kind::Answer) spoken << shown(entry.text);
  }
  spoken.removeAll(QString());
  Announce(spoken.join(QLatin1Char('\n')));
}

void GameDialog::Tell(const std::string& answer) {
  const int answerStart = m_transcript->Append({{Transcript::Kind::Answer, answer}});
  // The compact screen tells it in a box of its own, which a screen reader reads.
  if (answerStart >= 0 && m_layout == Layout::Together) Announce(ViewText(answer).trimmed());
}

void GameDialog::AnnounceChoice(Control list) {
  const GameList* chosen = m_lists[static_cast<std::size_t>(list)];
  Announce(chosen->SpokenText(chosen->currentIndex()));
}

void GameDialog::Announce(const QString& text) {
  if (text.trimmed().isEmpty()) return;
  m_notice->Announce(text);
  emit Announced(text);
}

void GameDialog::NamePicture() {
  const int room = m_screen.CurrentRoom();
  if (room == m_namedPictureRoom && m_picture->PictureFile() == m_namedPicture) return;
  m_namedPictureRoom = room;
  m_namedPicture = m_picture->PictureFile();
  const std::string roomName = ReadRoomName(m_database, room);
  m_picture->setAccessibleName(roomName.empty() ? tr("Picture") : tr("Picture: %1").arg(ToQt(roomName)));
  // The painter's sentence says what the picture shows; without one, its name does ("drawer inside").
  QString shown = QFileInfo(m_namedPicture.section(QLatin1Char('\\'), -1)).completeBaseName();
  if (!m_hotspots.description.empty()) shown = ToQt(m_hotspots.description);
  m_picture->setAccessibleDescription(shown);
}

void GameDialog::PrepareStart() {
  m_screen.PrepareStart();
  ApplyPictureStartSettings(*m_picture);
  Mirror();
}

void GameDialog::EnterGame(const std::string& startChoice) {
  m_screen.EnterGame(startChoice);
  Mirror();
  RecordTranscript(false);
}

void GameDialog::NewGame() {
  Route([this] { m_screen.ResetGame(); });
}

void GameDialog::Undo() {
  Route([this] { m_screen.OnUndo(); });
}

void GameDialog::Redo() {
  Route([this] { m_screen.OnRedo(); });
}

bool GameDialog::SaveGameAs(const std::string& name) {
  bool saved = false;
  Route([this, &name, &saved] { saved = m_screen.SaveGameAs(name); });
  return saved;
}

bool GameDialog::OpenSavedGame(const std::string& name) {
  bool found = false;
  Route([this, &name, &found] { found = m_screen.OpenSavedGame(name); });
  return found;
}

void GameDialog::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    UpdateTextFonts();
    SizeCompass();
  }
}

void GameDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    QWidget::keyPressEvent(event);
    return;
  }
  // Return comes here only when the widget with the focus passed it on: a closed list or the text,
  // where it presses Action, or a button, which does its own job. An open list keeps it for itself.
  if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
    button->click();
  } else {
    Button(Control::Action)->click();
  }
}

void GameDialog::SizeCompass() {
  // Each button as high as a list, so the compass's rows stand beside the lists' rows and keep their
  // size whichever ways are open.
  const int side = List(Control::VerbList)->sizeHint().height();
  for (QWidget* part : m_compass->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) part->setFixedSize(side, side);
}

void GameDialog::UpdateTextFonts() {
  QFont text = font();
  if (text.pointSizeF() > 0) {
    text.setPointSizeF(text.pointSizeF() * kTextScale);
  } else {
    text.setPixelSize(static_cast<int>(text.pixelSize() * kTextScale));
  }
  m_textView->setFont(text);
  m_transcript->setFont(text);
}

}  // namespace brackenhollow

namespace brackenhollow {

void GameDialog::ConnectPointer() {
  // A thing in the picture is the room's, or the carried one when the player took it from there.
  const auto held = [this](bool carried, const QString& thing) {
    return carried ? Held::Carried : m_pointer.InPicture(thing.toStdString());
  };
  const auto choose = [this, held](const QString& thing, bool carried) {
    Route([this, held, carried, thing] { m_pointer.Choose(thing.toStdString(), held(carried, thing)); });
  };
  const auto look = [this, held](const QString& thing, bool carried) {
    Route([this, held, carried, thing] { m_pointer.LookAt(thing.toStdString(), held(carried, thing)); }, true);
  };
  const auto perform = [this, held](const QString& verb, const QString& thing, const QString& second, bool carried) {
    Route([=, this] {
      m_pointer.Perform(verb.toStdString(), thing.toStdString(), held(carried, thing), second.toStdString());
    }, true);
  };
  connect(m_pointerPicture, &PointerPicture::ThingChosen, this, [choose](const QString& thing) { choose(thing, false); });
  connect(m_pointerPicture, &PointerPicture::ThingLookedAt, this, [look](const QString& thing) { look(thing, false); });
  connect(m_pointerPicture, &PointerPicture::VerbChosen, this,
          [perform](const QString& verb, const QString& thing, const QString& second) { perform(verb, thing, second, false); });
  connect(m_pointerPicture, &PointerPicture::CloseUpLeft, this, [this] { Route([this] { m_pointer.LeaveCloseUp(); }); });
  connect(m_pointerPicture, &PointerPicture::WayChosen, this,
          [this](char direction) { Route([this, direction] { m_pointer.Walk(direction); }); });
  connect(m_strip, &InventoryStrip::ThingChosen, this, choose);
  connect(m_strip, &InventoryStrip::ThingLookedAt, this, look);
  connect(m_strip, &InventoryStrip::VerbChosen, this, perform);
  connect(m_strip, &InventoryStrip::TilesChanged, this, [this] {
    QWidget* before = m_pointerPicture;
    for (QWidget* tile : m_strip->Tiles()) {
      setTabOrder(before, tile);
      before = tile;
    }
  });
  connect(m_verbBar, &VerbBar::VerbChosen, this,
          [this](int index) { Route([this, index] { m_pointer.StartSentence(index); }); });
}

void GameDialog::MirrorPointer() {
  const ScreenState& screen = m_screen.Screen();
  if (m_picture->PictureFile() != m_hotspotsPicture) {
    m_hotspotsPicture = m_picture->PictureFile();
    m_hotspots = m_hotspotsPicture.isEmpty() ? HotspotMap() : LoadHotspotMap(PictureFilePath(m_hotspotsPicture.toStdString()));
  }
  QStringList offered;
  for (const std::string& thing : OfferedThings(screen.noun1)) offered << ToQt(thing);
  QStringList chosen = {ToQt(screen.noun1.SelectedText())};
  if (screen.IsEnabled(Control::Noun2List)) chosen << ToQt(screen.noun2.SelectedText());
  m_pointerPicture->SetCloseUp(m_pointer.ShowsCloseUp());
  // With the first of two things chosen, the caption reads the sentence a click completes.
  const std::string first = screen.noun1.SelectedText();
  const bool halfPair = screen.IsEnabled(Control::Noun2List) && !first.empty() && first != kBlankEntry &&
                        (screen.noun2.SelectedText().empty() || screen.noun2.SelectedText() == kBlankEntry);
  QString sentence = ToQt(screen.verbs.SelectedText());
  if (halfPair) sentence.replace(sentence.indexOf(QStringLiteral("__")), 2, ToQt(first));
  m_pointerPicture->SetSentence(halfPair ? sentence : QString());
  const std::vector<PointerTarget> targets = m_pointer.Targets(m_hotspots);
  m_pointerPicture->SetTargets(targets, QSize(m_hotspots.width, m_hotspots.height), offered);
  m_strip->SetThings(CarriedThings(screen.noun1), UnseenThings(screen.noun1, targets), chosen, offered);
  m_strip->setEnabled(screen.IsEnabled(Control::Noun1List));
  m_verbBar->SetChosen(screen.verbs.selected);
  m_verbBar->setEnabled(screen.IsEnabled(Control::VerbList));
}

}  // namespace brackenhollow
