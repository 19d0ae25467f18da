#pragma once
// View → Read Aloud: while on, the game reads its new texts through a voice, each new text cutting
// off the one before, so the newest is always heard at once.

#include <QString>
#include <memory>

#include "app/Speech.h"

namespace brackenhollow {

class ReadAloud {
 public:
  explicit ReadAloud(std::unique_ptr<Speech> speech);

  // Why reading aloud cannot be offered (no speech engine); empty when it can.
  QString Missing() const { return m_speech->Missing(); }
  // Switches reading on (starting the voice) or off (stopping what is being read). Returns why it
  // stayed off when switching on failed; empty otherwise.
  QString SetOn(bool on);
  bool IsOn() const { return m_on; }
  // Reads text, stopping the text before; does nothing while off or for an empty text.
  void Read(const QString& text);

 private:
  std::unique_ptr<Speech> m_speech;
  bool m_on = false;
};

}  // namespace brackenhollow
