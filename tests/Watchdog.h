#pragma once
// A time bound on each case of a fuzz test: a hang fails the run, naming the case, instead of stalling it.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace brackenhollow::testing {

class Watchdog {
 public:
  explicit Watchdog(std::chrono::steady_clock::duration bound);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  // Starts the bound for the case named what; the process ends with status 3 when it runs past it.
  void Arm(std::string what);
  // The case ended within its bound.
  void Disarm();

 private:
  void Watch();

  const std::chrono::steady_clock::duration m_bound;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::string m_what;
  std::chrono::steady_clock::time_point m_deadline;
  bool m_armed = false;
  bool m_stop = false;
  std::thread m_thread;
};

}  // namespace brackenhollow::testing
