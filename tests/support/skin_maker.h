#pragma once
// Skin archives made on the spot: zip entries and Windows bitmaps.
#include <QBuffer>
#include <QImage>

#include "support/zip_maker.h"

namespace plumex::test {

inline std::string Bmp(int width, int height, QColor colour = Qt::red) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes.toStdString();
}

}  // namespace plumex::test
