#pragma once
// The room texts and answers since the game was started, newest at the end, the newest answer
// marked; read-only, scrolled to the end whenever something is added.

#include <QTextCursor>
#include <QTextEdit>
#include <vector>

#include "app/Transcript.h"

namespace brackenhollow {

class TranscriptView : public QTextEdit {
  Q_OBJECT

 public:
  explicit TranscriptView(QWidget* parent = nullptr);

  // Adds the entries at the end. Returns where the last answer among them starts in the text, or -1
  // when they hold none.
  int Append(const std::vector<Transcript::Entry>& entries);
  // The newest answer as shown, its paragraphs separated by new lines; empty before the first.
  QString NewestAnswer() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // Adds one entry; returns where an answer starts, or -1 for a room text.
  int AppendEntry(const Transcript::Entry& entry);
  // Gives the newest answer its mark (tint and weight), or takes it away.
  void MarkNewestAnswer(bool marked);

  QTextCursor m_newestAnswer;  // at the start of the newest answer's first paragraph
  // How many paragraphs the newest answer has. Counted, not marked on each answer's paragraphs: a
  // format of its own per answer would stay in the document for good, even after its text left.
  int m_newestParagraphs = 0;
};

}  // namespace brackenhollow
