#pragma once
// The player's message boxes, as Qt message boxes over the current window.

#include <QPointer>
#include <QWidget>

#include "store/MessageBoxes.h"

namespace brackenhollow {

class QtMessageBoxes : public MessageBoxes {
 public:
  // The window the boxes stand over; none: they stand alone.
  void SetParent(QWidget* parent) { m_parent = parent; }
  void Inform(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;

 private:
  QPointer<QWidget> m_parent;
};

}  // namespace brackenhollow
