#include "app/QtMessageBoxes.h"

#include <QMessageBox>

namespace brackenhollow {

void QtMessageBoxes::Inform(const std::string& text) {
  QMessageBox::information(m_parent, QStringLiteral("Brackenhollow"), QString::fromStdString(text));
}

bool QtMessageBoxes::AskYesNo(const std::string& text) {
  return QMessageBox::question(m_parent, QStringLiteral("Brackenhollow"), QString::fromStdString(text),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace brackenhollow
