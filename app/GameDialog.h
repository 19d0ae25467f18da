#pragma once
// The game screen's widgets, routed to GameScreen, which holds the game's logic and state; after
// every handler the widgets mirror that state. Two layouts: the picture beside a transcript of room
// texts and answers, or the compact screen with the picture over the text and a Text/Graphic button.

#include <QWidget>
#include <array>
#include <string>

#include "app/GameScreen.h"
#include "app/PointerPlay.h"
#include "app/Transcript.h"
#include "view/HotspotMap.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace brackenhollow {

class CS309PictureBox;
class GameDatabase;
class GameList;
class InventoryStrip;
class MessageBoxes;
class PictureFrame;
class ScreenReaderNotice;
class PointerPicture;
class TranscriptView;
class VerbBar;

class GameDialog : public QWidget {
  Q_OBJECT

 public:
  enum class Layout { Together, Compact };

  GameDialog(GameDatabase& database, MessageBoxes& boxes, const std::string& programDirectory,
             QWidget* parent = nullptr);
  ~GameDialog() override;

  // The start sequence around the start window: before it runs, and with the choice it gave.
  void PrepareStart();
  void EnterGame(const std::string& startChoice);
  // Asks, then starts the world anew as a confirmed RESET THE GAME does.
  void NewGame();
  // The Game menu's history commands: take back the newest action, or do the last one undone again.
  void Undo();
  void Redo();
  // Keeps the game under name (asking first before replacing a save of that name). Returns true when
  // the save was written.
  bool SaveGameAs(const std::string& name);
  // Asks, then goes on from the save of that name. Returns false, asking nothing, when there is none.
  bool OpenSavedGame(const std::string& name);

  // Adds an answer the window itself gives (a hint) to the running text, as the newest answer.
  void Tell(const std::string& answer);

  void SetLayout(Layout layout);
  Layout CurrentLayout() const { return m_layout; }

  GameScreen& Screen() { return m_screen; }
  // The widgets, for the replay driver and the tests: they press and choose through them.
  QPushButton* Button(Control control) const;
  QComboBox* List(Control control) const;
  // The button or list that stands for control.
  QWidget* Widget(Control control) const;
  // The visible label bound to a list.
  QLabel* ListLabel(Control control) const;
  // The compact layout's text view: the text the game wrote last, as the game wrote it.
  QPlainTextEdit* TextView() const { return m_textView; }
  TranscriptView* Transcript() const { return m_transcript; }
  // The one object through which the game tells a screen reader what happened.
  ScreenReaderNotice* Notice() const { return m_notice; }
  CS309PictureBox* Picture() const { return m_picture; }
  PictureFrame* PictureArea() const { return m_pictureFrame; }
  // The picture as the pointer meets it, the carried things under it and the verb bar (default layout).
  PointerPicture* Pointer() const { return m_pointerPicture; }
  InventoryStrip* Strip() const { return m_strip; }
  VerbBar* VerbButtons() const { return m_verbBar; }
  // The hotspot map of the picture shown; empty when it has none.
  const HotspotMap& PictureHotspots() const { return m_hotspots; }
  // The map's hotspots with the ways out it does not mark added at the picture's edges, back to front.
  std::vector<Hotspot> PointerHotspots() const { return m_pointer.Hotspots(m_hotspots); }

 signals:
  // The game asked to be closed as with OK (Exit).
  void CloseRequested();
  // The widgets show the game's state anew, as after every handler: what the menus offer may have
  // changed.
  void Mirrored();
  // An undo or redo told what it did; the compact screen's text shows only the room.
  void Told(const QString& answer);
  // The game told the player text of its own accord (a new answer, the room entered, a changed
  // choice), through the screen reader's notice; Read Aloud reads the same.
  void Announced(const QString& text);

 protected:
  void changeEvent(QEvent* event) override;
  // Return on a closed list or the text presses Action; on a button, that button.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Creates every widget once; the layouts only place them.
  void CreateControls();
  // The four direction buttons on a compass grid.
  void CreateCompass();
  // Routes the widgets' events and the Ctrl+arrow keys to the screen's handlers.
  void ConnectControls();
  // Verb, objects, Action, directions, then the text.
  void SetTabOrder();
  // Runs a handler of the screen, mirrors the screen into the widgets, and adds what is new to the
  // transcript (an answer only after an action).
  template <typename Handler>
  void Route(Handler handler, bool action = false);
  // Shows the screen's state in the widgets.
  void Mirror();
  // Adds what the last handler showed anew (room text, answer, what an undo did) to the transcript, and
  // announces the answer and, when the player came into a room, its text.
  void RecordTranscript(bool afterAction);
  // The player chose an entry of the list: announces it as it reads.
  void AnnounceChoice(Control list);
  // Tells text to the screen reader and to Read Aloud, once; nothing for an empty text.
  void Announce(const QString& text);
  // Names the picture after the room it shows (read anew when room or picture changed).
  void NamePicture();
  // The room text reads larger than the controls: follows the window's text size.
  void UpdateTextFonts();
  // Sizes the compass's buttons to the lists' rows.
  void SizeCompass();
  // Routes what the pointer does in the picture, the strip and the verb bar to the screen.
  void ConnectPointer();
  // Shows what the pointer can reach now: the picture's hotspots, the carried things, the verb.
  void MirrorPointer();

  GameScreen m_screen;
  GameDatabase& m_database;
  Layout m_layout = Layout::Together;
  CS309PictureBox* m_picture = nullptr;
  PictureFrame* m_pictureFrame = nullptr;
  QPlainTextEdit* m_textView = nullptr;
  TranscriptView* m_transcript = nullptr;
  ScreenReaderNotice* m_notice = nullptr;
  QWidget* m_compass = nullptr;
  std::array<QPushButton*, kControlCount> m_buttons{};
  std::array<GameList*, kControlCount> m_lists{};
  std::array<QLabel*, kControlCount> m_labels{};
  brackenhollow::Transcript m_transcriptRecord;
  unsigned m_shownTextRevision = 0;
  unsigned m_recordedTextRevision = 0;
  unsigned m_recordedToldRevision = 0;
  unsigned m_recordedWorldRevision = 0;
  int m_recordedRoom = 0;  // the room of the text recorded last; 0 before the first, or after a jump
  int m_namedPictureRoom = 0;
  QString m_namedPicture;
  bool m_mirroring = false;
  PointerPlay m_pointer{m_screen};
  PointerPicture* m_pointerPicture = nullptr;
  InventoryStrip* m_strip = nullptr;
  VerbBar* m_verbBar = nullptr;
  HotspotMap m_hotspots;
  QString m_hotspotsPicture;  // the picture m_hotspots was read for
  std::string m_programDirectory;
};

}  // namespace brackenhollow
