#include "app/TextToSpeech.h"

#include <QCoreApplication>
#include <QTextToSpeech>

namespace brackenhollow {

namespace {

QString Text(const char* text) { return QCoreApplication::translate("TextToSpeech", text); }

}  // namespace

TextToSpeech::TextToSpeech() = default;

TextToSpeech::~TextToSpeech() = default;

QString TextToSpeech::Missing() const {
  if (!QTextToSpeech::availableEngines().isEmpty()) return {};
  return Text("No speech engine is installed (on Debian: speech-dispatcher and qt6-speech-speechd-plugin).");
}

QString TextToSpeech::Open() {
  if (const QString missing = Missing(); !missing.isEmpty()) return missing;
  // Starting the engine may start the desktop's speech service: only once Read Aloud is wanted.
  if (m_engine == nullptr) m_engine = std::make_unique<QTextToSpeech>();
  if (m_engine->state() != QTextToSpeech::Error) return {};
  const QString detail = m_engine->errorString();
  return detail.isEmpty() ? Text("The speech engine did not start.")
                          : Text("The speech engine did not start: %1").arg(detail);
}

bool TextToSpeech::Speaking() const { return m_engine != nullptr && m_engine->state() != QTextToSpeech::Error; }

void TextToSpeech::Say(const QString& text) {
  if (Speaking()) m_engine->say(text);
}

void TextToSpeech::Stop() {
  if (Speaking()) m_engine->stop(QTextToSpeech::BoundaryHint::Immediate);
}

}  // namespace brackenhollow
