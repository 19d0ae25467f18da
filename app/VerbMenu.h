#pragma once
// The menu a right click (or the context-menu key) opens on a thing: the verbs that take it, and for
// the verb that takes two things, the other things on offer as its second.

#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace brackenhollow {

struct VerbChoice {
  QString verb;
  QString second;  // empty unless the verb takes two things
};

// Opens the menu for thing at globalPosition over parent and waits for the player. others are the
// things on offer (the thing itself is left out of them). Returns nothing when the menu was closed
// without a choice.
std::optional<VerbChoice> RunVerbMenu(QWidget* parent, const QPoint& globalPosition, const QString& thing,
                                      const QStringList& others);

}  // namespace brackenhollow
