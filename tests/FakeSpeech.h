#pragma once
// A voice for the tests: records what it was asked to say and stop, and can be missing or fail to
// start as a desktop without a speech engine does.

#include <QString>
#include <QStringList>
#include <memory>

#include "app/Speech.h"

namespace brackenhollow::testing {

class FakeSpeech : public Speech {
 public:
  // What happened to every FakeSpeech made from this log, in order: "say: TEXT" and "stop".
  struct Log {
    QStringList calls;
    QStringList Said() const {
      QStringList said;
      for (const QString& call : calls) {
        if (call.startsWith(QStringLiteral("say: "))) said << call.mid(5);
      }
      return said;
    }
  };

  explicit FakeSpeech(std::shared_ptr<Log> log, QString missing = {}, QString failure = {})
      : m_log(std::move(log)), m_missing(std::move(missing)), m_failure(std::move(failure)) {}

  QString Missing() const override { return m_missing; }
  QString Open() override { return m_missing.isEmpty() ? m_failure : m_missing; }
  void Say(const QString& text) override { m_log->calls << QStringLiteral("say: ") + text; }
  void Stop() override { m_log->calls << QStringLiteral("stop"); }

 private:
  std::shared_ptr<Log> m_log;
  QString m_missing;
  QString m_failure;
};

}  // namespace brackenhollow::testing
