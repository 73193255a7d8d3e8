#include "app/skin_pictures.h"

#include <QBuffer>
#include <QIcon>
#include <QImageReader>
#include <QPainter>

#include "model/action_table.h"

namespace plumex {

QImage DecodePicture(const std::optional<std::string>& bytes) {
  if (!bytes) return {};
  QByteArray data = QByteArray::fromRawData(bytes->data(), static_cast<qsizetype>(bytes->size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  const QSize size = reader.size();
  if (!size.isValid() || size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) return {};
  QImage image;
  if (!reader.read(&image) || image.size() != size) return {};
  return image;
}

ButtonPictures BuiltInPictures::Pictures(int number, QSize size) const {
  const ActionRow* row = ActionOfNumber(number);
  const QIcon icon = row != nullptr && *row->picture != '\0' ? QIcon::fromTheme(row->picture) : QIcon();
  if (icon.isNull()) return {};
  // The icon is drawn smaller than the button, centred, as a tool button's.
  const int side = std::max(1, std::min(size.width(), size.height()) - 6);
  const auto draw = [&](QIcon::Mode mode) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    icon.paint(&painter, QRect((size.width() - side) / 2, (size.height() - side) / 2, side, side), Qt::AlignCenter,
               mode);
    return picture;
  };
  return {draw(QIcon::Normal), draw(QIcon::Active), draw(QIcon::Selected), draw(QIcon::Disabled), {}};
}

QPixmap ArchivePictures::Read(const std::string& name) const {
  return QPixmap::fromImage(DecodePicture(archive_.Entry(name, kSkinPictureLimit)));
}

ButtonPictures ArchivePictures::Pictures(int number, QSize) const {
  const std::string stem = std::to_string(number);
  ButtonPictures pictures;
  if (fourPictures_) {
    pictures.normal = Read(stem + "Normal.bmp");
    pictures.active = Read(stem + "Active.bmp");
    pictures.down = Read(stem + "Down.bmp");
    pictures.disabled = Read(stem + "Disable.bmp");
    return pictures;
  }
  const QPixmap strip = Read(stem + ".bmp");
  // A strip with no height has no squares to cut.
  if (strip.height() == 0) return pictures;
  const int count = strip.width() / strip.height();
  for (int i = 0; i < count; ++i)
    pictures.glyphs.push_back(strip.copy(i * strip.height(), 0, strip.height(), strip.height()));
  return pictures;
}

}  // namespace plumex
