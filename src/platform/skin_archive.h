#pragma once
// Skin archives: zip files read whole into memory and their entries by name,
// never unpacked to disk, so no name inside one can lead anywhere. Each cap holds whatever an
// entry declares, so a small archive cannot unpack into gigabytes.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace plumex {

inline constexpr std::size_t kSkinArchiveLimit = std::size_t{64} << 20;
inline constexpr std::size_t kSkinIniLimit = std::size_t{64} << 10;
inline constexpr std::size_t kSkinPictureLimit = std::size_t{4} << 20;

class SkinArchive {
 public:
  virtual ~SkinArchive() = default;
  // The bytes of the entry `name` (letter case ignored), nothing when it is
  // missing, encrypted, damaged (a CRC error) or larger than `limit`.
  virtual std::optional<std::string> Entry(std::string_view name, std::size_t limit) const = 0;
};

struct OpenedSkinArchive {
  std::unique_ptr<SkinArchive> archive;
  std::string error;  // why there is none
};

// Opens a regular file of at most kSkinArchiveLimit bytes as a zip archive;
// anything else (a pipe, a folder, a damaged or foreign file) is refused
// without blocking.
OpenedSkinArchive OpenSkinArchive(const std::string& path);

// Opens the bytes of a zip archive; an empty or foreign one is refused.
OpenedSkinArchive OpenSkinArchiveBytes(std::string bytes);

}  // namespace plumex
