#pragma once
// Every verb of the verb table as a button, with its key (Alt and the underlined letter); the chosen
// verb is marked, in step with the Verb list. A button starts a new sentence: the verb, then the things
// pointed at.

#include <QWidget>
#include <vector>

class QToolButton;

namespace brackenhollow {

class VerbBar : public QWidget {
  Q_OBJECT

 public:
  explicit VerbBar(QWidget* parent = nullptr);

  // Marks the verb in row chosen of the verb list (none for -1).
  void SetChosen(int chosen);
  // One button per verb, in the verb list's order.
  const std::vector<QToolButton*>& Buttons() const { return m_buttons; }

 signals:
  // The player pressed the button of the verb in row index of the verb list.
  void VerbChosen(int index);

 private:
  std::vector<QToolButton*> m_buttons;
};

}  // namespace brackenhollow
