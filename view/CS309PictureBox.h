#pragma once
// The picture control: shows one GIF, scaled to fit without distortion, and can be shown or hidden
// over the text view beneath it.

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace brackenhollow {

class CS309PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit CS309PictureBox(QWidget* parent = nullptr);

  // Loads the GIF at path (backslashes and a doubled separator accepted). A missing or unreadable
  // file shows a quiet placeholder instead.
  void SetPictureFile(const QString& path);
  // Shows the control over the text view, or hides it to uncover the text.
  void SetPictureShown(bool shown);
  // The start settings the dialogs put; this control has no use for them and accepts them as given.
  void PutStartSetting(int dispatchId, int value);

  // The path last put, as given.
  const QString& PictureFile() const { return m_pictureFile; }
  // Whether the last file put could be shown.
  bool HasPicture() const { return !m_picture.isNull(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString m_pictureFile;
  QPixmap m_picture;
};

}  // namespace brackenhollow
