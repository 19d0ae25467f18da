#include "app/ReadAloud.h"

namespace brackenhollow {

ReadAloud::ReadAloud(std::unique_ptr<Speech> speech) : m_speech(std::move(speech)) {}

QString ReadAloud::SetOn(bool on) {
  if (!on) {
    if (m_on) m_speech->Stop();
    m_on = false;
    return {};
  }
  const QString problem = m_speech->Open();
  m_on = problem.isEmpty();
  return problem;
}

void ReadAloud::Read(const QString& text) {
  if (!m_on || text.trimmed().isEmpty()) return;
  m_speech->Stop();
  m_speech->Say(text);
}

}  // namespace brackenhollow
