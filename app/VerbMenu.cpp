#include "app/VerbMenu.h"

#include <QMenu>

#include "actions/Verbs.h"
#include "app/PointerPlay.h"

namespace brackenhollow {

std::optional<VerbChoice> RunVerbMenu(QWidget* parent, const QPoint& globalPosition, const QString& thing,
                                      const QStringList& others) {
  QMenu menu(parent);
  menu.setAccessibleName(thing);
  menu.setTitle(thing);
  for (const std::string& verb : ThingVerbs()) {
    const QString text = QString::fromStdString(verb);
    if (!UsesSecondList(verb)) {
      QAction* item = menu.addAction(QStringLiteral("%1 %2").arg(text, thing));
      item->setData(QStringList{text});
      continue;
    }
    // "Use the __ with the __": the first blank is this thing, the second is chosen from the others.
    const QString first = text.section(QStringLiteral("__"), 0, 0) + thing;
    QMenu* seconds = menu.addMenu(first + text.section(QStringLiteral("__"), 1, 1).trimmed().prepend(QLatin1Char(' ')) +
                                  QStringLiteral(" …"));
    for (const QString& other : others) {
      if (other == thing) continue;
      QAction* item = seconds->addAction(other);
      item->setData(QStringList{text, other});
    }
    seconds->setEnabled(!seconds->isEmpty());
  }
  const QAction* chosen = menu.exec(globalPosition);
  if (chosen == nullptr) return std::nullopt;
  const QStringList data = chosen->data().toStringList();
  if (data.isEmpty()) return std::nullopt;
  return VerbChoice{data[0], data.size() > 1 ? data[1] : QString()};
}

}  // namespace brackenhollow
