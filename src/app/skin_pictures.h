#pragma once
// The pictures of tool-bar buttons: the built-in ones from the desktop's
// icons, a skin's from its archive. A picture is measured before it is
// decoded, so a bitmap that claims a huge size costs nothing.
#include <QImage>
#include <optional>
#include <string>

#include "app/picture_button.h"
#include "platform/skin_archive.h"

namespace plumex {

// No button picture needs more.
inline constexpr int kMaxPictureSide = 2048;

// The picture in `bytes`, or a null image when there is none, it claims more
// than kMaxPictureSide on a side, or it does not decode.
QImage DecodePicture(const std::optional<std::string>& bytes);

class PictureSource {
 public:
  virtual ~PictureSource() = default;
  virtual ButtonPictures Pictures(int number, QSize size) const = 0;
};

// Icons named by the action table, drawn at the button's size.
class BuiltInPictures : public PictureSource {
 public:
  ButtonPictures Pictures(int number, QSize size) const override;
};

// "<n>Normal.bmp", "Active", "Down" and "Disable" from a four-picture skin;
// "<n>.bmp", a strip of square pictures, from the other kind.
class ArchivePictures : public PictureSource {
 public:
  ArchivePictures(const SkinArchive& archive, bool fourPictures) : archive_(archive), fourPictures_(fourPictures) {}
  ButtonPictures Pictures(int number, QSize size) const override;

 private:
  QPixmap Read(const std::string& name) const;

  const SkinArchive& archive_;
  bool fourPictures_;
};

}  // namespace plumex
