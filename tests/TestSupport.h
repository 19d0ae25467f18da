#pragma once
// Shared by the tests: scratch folders for real store files, and message boxes that record what the
// game tells the player and answer its questions.

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include <QApplication>
#include <QString>
#include <QTemporaryDir>

#include "store/MessageBoxes.h"

namespace brackenhollow::testing {

// The one application object of the test process, made on first use; other tests may have made it
// already.
QApplication& Application();

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class ScratchFolder {
 public:
  ScratchFolder();

  std::filesystem::path Path() const { return m_folder.path().toStdString(); }
  std::string File(const std::string& name) const {
    return m_folder.filePath(QString::fromStdString(name)).toStdString();
  }

 private:
  QTemporaryDir m_folder;
};

class RecordingBoxes : public MessageBoxes {
 public:
  void Inform(const std::string& text) override { informed.push_back(text); }
  bool AskYesNo(const std::string& text) override {
    asked.push_back(text);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<std::string> informed;
  std::vector<std::string> asked;
  std::deque<bool> answers;  // the answers to give, in order; No when none is left
};

}  // namespace brackenhollow::testing
