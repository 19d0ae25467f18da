#include "view/PicturePath.h"

#include <QDir>
#include <QString>

namespace brackenhollow {

std::string PictureFilePath(const std::string& picturePath) {
  return QDir::cleanPath(QString::fromStdString(picturePath).replace(QLatin1Char('\\'), QLatin1Char('/')))
      .toStdString();
}

}  // namespace brackenhollow
