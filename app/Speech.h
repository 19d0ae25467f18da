#pragma once
// A voice that reads texts aloud. The game speaks through this, so tests hear what would be said
// without a speech engine.

#include <QString>

namespace brackenhollow {

class Speech {
 public:
  virtual ~Speech() = default;

  // Why the voice cannot speak, found without starting it (no engine installed); empty when it may.
  virtual QString Missing() const = 0;
  // Starts the voice when it has not started yet. Returns why it cannot speak, for the player; empty
  // when it can.
  virtual QString Open() = 0;
  // Starts reading text aloud and returns at once; does nothing before a successful Open().
  virtual void Say(const QString& text) = 0;
  // Stops what is being read, if anything.
  virtual void Stop() = 0;
};

}  // namespace brackenhollow
