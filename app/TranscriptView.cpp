#include "app/TranscriptView.h"

#include <QEvent>
#include <QScrollBar>
#include <QTextBlock>

namespace brackenhollow {

namespace {

// Old entries beyond this many paragraphs (about an hour of play, a kilobyte each) leave the top, so a
// long game stays quick to show and its memory stays bounded.
constexpr int kMaximumParagraphs = 2000;

// The text's lines that hold anything, one paragraph each.
QStringList Paragraphs(const std::string& text) {
  QStringList paragraphs;
  for (const QString& line : QString::fromStdString(text).split(QStringLiteral("\r\n"))) {
    if (!line.trimmed().isEmpty()) paragraphs.push_back(line);
  }
  return paragraphs;
}

}  // namespace

TranscriptView::TranscriptView(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setTabChangesFocus(true);
  setUndoRedoEnabled(false);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  document()->setMaximumBlockCount(kMaximumParagraphs);
  document()->setDocumentMargin(12);
  setAccessibleName(tr("Room description"));
}

int TranscriptView::Append(const std::vector<Transcript::Entry>& entries) {
  int answer = -1;
  for (const Transcript::Entry& entry : entries) {
    const int start = AppendEntry(entry);
    if (start >= 0) answer = start;
  }
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
  return answer;
}

int TranscriptView::AppendEntry(const Transcript::Entry& entry) {
  const QStringList paragraphs = Paragraphs(WithoutGraphicHints(entry.text));
  if (paragraphs.isEmpty()) return -1;
  const bool answer = entry.kind == Transcript::Kind::Answer;
  if (answer) MarkNewestAnswer(false);

  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  const bool empty = document()->isEmpty();
  const int start = empty ? 0 : cursor.position() + 1;
  for (qsizetype index = 0; index < paragraphs.size(); ++index) {
    QTextBlockFormat format;
    format.setBottomMargin(fontMetrics().height() * 0.5);
    // A new room starts with a wider gap above it, so each visit reads as its own passage.
    if (index == 0 && !answer && !empty) format.setTopMargin(fontMetrics().height() * 1.2);
    if (answer) format.setLeftMargin(fontMetrics().averageCharWidth() * 2.0);
    if (empty && index == 0) {
      cursor.setBlockFormat(format);
    } else {
      cursor.insertBlock(format);
    }
    QTextCharFormat characters;
    characters.setFontItalic(answer);
    cursor.insertText(paragraphs[index], characters);
  }
  if (!answer) return -1;
  m_newestAnswer = QTextCursor(document());
  m_newestAnswer.setPosition(start);
  m_newestAnswer.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  MarkNewestAnswer(true);
  return start;
}

void TranscriptView::MarkNewestAnswer(bool marked) {
  if (m_newestAnswer.isNull() || !m_newestAnswer.hasSelection()) return;
  QTextBlockFormat format;
  if (marked) {
    QColor tint = palette().color(QPalette::Highlight);
    tint.setAlpha(48);
    format.setBackground(tint);
  } else {
    format.setBackground(Qt::NoBrush);
  }
  m_newestAnswer.mergeBlockFormat(format);
  QTextCharFormat characters;
  characters.setFontWeight(marked ? QFont::DemiBold : QFont::Normal);
  m_newestAnswer.mergeCharFormat(characters);
}

void TranscriptView::changeEvent(QEvent* event) {
  QTextEdit::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) MarkNewestAnswer(true);
}

}  // namespace brackenhollow
