#include "tests/Watchdog.h"

#include <cstdio>
#include <cstdlib>

namespace brackenhollow::testing {

Watchdog::Watchdog(std::chrono::steady_clock::duration bound) : m_bound(bound), m_thread([this] { Watch(); }) {}

Watchdog::~Watchdog() {
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_stop = true;
  }
  m_wake.notify_one();
  m_thread.join();
}

void Watchdog::Arm(std::string what) {
  const std::lock_guard<std::mutex> lock(m_mutex);
  m_what = std::move(what);
  m_deadline = std::chrono::steady_clock::now() + m_bound;
  m_armed = true;
  m_wake.notify_one();
}

void Watchdog::Disarm() {
  const std::lock_guard<std::mutex> lock(m_mutex);
  m_armed = false;
}

void Watchdog::Watch() {
  std::unique_lock<std::mutex> lock(m_mutex);
  while (!m_stop) {
    if (!m_armed) {
      m_wake.wait(lock);
    } else if (m_wake.wait_until(lock, m_deadline) == std::cv_status::timeout && m_armed &&
               std::chrono::steady_clock::now() >= m_deadline) {
      std::fprintf(stderr, "hang: %s did not end within its bound\n", m_what.c_str());
      std::_Exit(3);
    }
  }
}

}  // namespace brackenhollow::testing
