#pragma once
// The picture control: shows one GIF at its own proportions, from the painted size that suits the
// space and the screen's scale (NAME.gif, NAME@2x.gif, NAME@3x.gif), and can be shown or hidden over
// the text view beneath it. Its parent gives it the space; the control takes exactly the area of the
// drawn picture, so what it covers is the picture and nothing else.

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <vector>

#include "view/PictureFit.h"

namespace brackenhollow {

class CS309PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit CS309PictureBox(QWidget* parent = nullptr);

  // Loads the GIF at path (backslashes and a doubled separator accepted) and finds its larger painted
  // sizes beside it. A missing or unreadable file shows a quiet placeholder instead.
  void SetPictureFile(const QString& path);
  // Shows the control over the text view, or hides it to uncover the text.
  void SetPictureShown(bool shown);
  // The start settings the dialogs put; this control has no use for them and accepts them as given.
  void PutStartSetting(int dispatchId, int value);

  // The path last put, as given.
  const QString& PictureFile() const { return m_pictureFile; }
  // Whether the last file put could be shown.
  bool HasPicture() const { return !m_sources.empty(); }
  // The logical size the picture takes within space (in the control's coordinates): its own
  // proportions, whole-number enlargements beyond its largest painted size. The whole space when
  // there is no picture (the placeholder fills it).
  QSize FittedSize(const QSize& space) const;
  // The painted size (device pixels) the last paint drew from; empty before a picture was drawn.
  QSize DrawnSource() const { return m_drawnSource; }

 signals:
  // A new picture was put: its proportions or painted sizes may differ, so its place may change.
  void PictureChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  struct Source {
    QString file;
    QSize size;
  };

  // The pixmap for the present size and scale, made once and kept until either changes. Only the
  // pixmap is kept, not the decoded painting it was made from: a painting for a large screen takes
  // megabytes, and a new size is seldom asked for.
  const QPixmap& Scaled(const PictureFit& fit);
  // The sizes of the paintings found, smallest first.
  std::vector<PixelSize> PaintedSizes() const;

  QString m_pictureFile;
  std::vector<Source> m_sources;  // smallest first; empty when the file cannot be read
  QPixmap m_scaled;
  int m_scaledSource = -1;
  QSize m_drawnSource;
};

}  // namespace brackenhollow
