#include "app/StoreOption.h"

#include <QStringList>

namespace brackenhollow {

QCommandLineOption StoreOption() {
  return QCommandLineOption(QStringList{QStringLiteral("store")},
                            QStringLiteral("Play the saved game in FILE (created when missing) instead of your own."),
                            QStringLiteral("FILE"));
}

}  // namespace brackenhollow
