#pragma once
// The desktop's speech engine through Qt TextToSpeech (on Debian, speech-dispatcher through
// qt6-speech-speechd-plugin), started only when first needed.

#include <memory>

#include "app/Speech.h"

class QTextToSpeech;

namespace brackenhollow {

class TextToSpeech : public Speech {
 public:
  TextToSpeech();
  ~TextToSpeech() override;
  TextToSpeech(const TextToSpeech&) = delete;
  TextToSpeech& operator=(const TextToSpeech&) = delete;

  QString Missing() const override;
  QString Open() override;
  void Say(const QString& text) override;
  void Stop() override;

 private:
  // Whether the engine started and has not failed since.
  bool Speaking() const;

  std::unique_ptr<QTextToSpeech> m_engine;
};

}  // namespace brackenhollow
