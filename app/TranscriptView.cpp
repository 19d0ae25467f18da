#include "app/TranscriptView.h"

#include <QEvent>
#include <QScrollBar>
#include <QSignalBlocker>
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
  // Each paragraph and mark would reach a screen reader as its own insertion; the game tells what is
  // new once, through its notice, so the document keeps quiet while it grows.
  const QSignalBlocker quiet(document());
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
  if (answer) {
    MarkNewestAnswer(false);
  }

  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  const bool empty = document()->isEmpty();
  for (qsizetype index = 0; index < paragraphs.size(); ++index) {
    QTextBlockFormat format;
    format.setBottomMargin(fontMetrics().height() * 0.5);
    // A new room starts with a wider gap above it, so each visit reads as its own passage.
    if (index == 0 && entry.kind == Transcript::Kind::Room && !empty) {
      format.setTopMargin(fontMetrics().height() * 1.2);
    }
    if (answer) {
      format.setLeftMargin(fontMetrics().averageCharWidth() * 2.0);
    }
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
  // Found from the end, after the paragraphs went in: once the text is full, each new paragraph
  // takes the oldest from the top, and every position measured before moves up.
  QTextBlock first = document()->lastBlock();
  for (qsizetype index = 1; index < paragraphs.size() && first.previous().isValid(); ++index) first = first.previous();
  const int start = first.position();
  m_newestAnswer = QTextCursor(document());
  m_newestAnswer.setPosition(start);
  m_newestParagraphs = static_cast<int>(paragraphs.size());
  MarkNewestAnswer(true);
  return start;
}

QString TranscriptView::NewestAnswer() const {
  if (m_newestAnswer.isNull()) return {};
  QStringList paragraphs;
  QTextBlock block = m_newestAnswer.block();
  for (int index = 0; index < m_newestParagraphs && block.isValid(); ++index, block = block.next()) {
    paragraphs.push_back(block.text());
  }
  return paragraphs.join(QLatin1Char('\n'));
}

void TranscriptView::MarkNewestAnswer(bool marked) {
  if (m_newestAnswer.isNull()) return;
  // A change of look only: nothing for a screen reader to hear.
  const QSignalBlocker quiet(document());
  QTextBlockFormat format;
  if (marked) {
    QColor tint = palette().color(QPalette::Highlight);
    tint.setAlpha(48);
    format.setBackground(tint);
  } else {
    format.setBackground(Qt::NoBrush);
  }
  QTextCharFormat characters;
  characters.setFontWeight(marked ? QFont::DemiBold : QFont::Normal);
  // The answer's own paragraphs only: a room text added after it keeps its look.
  QTextCursor paragraphs = m_newestAnswer;
  QTextBlock block = m_newestAnswer.block();
  for (int index = 0; index < m_newestParagraphs && block.isValid(); ++index, block = block.next()) {
    paragraphs.setPosition(block.position());
    paragraphs.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    paragraphs.mergeBlockFormat(format);
    paragraphs.mergeCharFormat(characters);
  }
}

void TranscriptView::changeEvent(QEvent* event) {
  QTextEdit::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) MarkNewestAnswer(true);
}

}  // namespace brackenhollow
