#include "platform/skin_archive.h"

#include <zip.h>

#include <utility>

#include "platform/file_io.h"

namespace plumex {
namespace {

class ZipSkinArchive : public SkinArchive {
 public:
  static OpenedSkinArchive Open(std::string bytes) {
    std::unique_ptr<ZipSkinArchive> archive(new ZipSkinArchive(std::move(bytes)));
    zip_error_t error;
    zip_error_init(&error);
    // The source reads straight from bytes_, which lives as long as the archive.
    zip_source_t* source = zip_source_buffer_create(archive->bytes_.data(), archive->bytes_.size(), 0, &error);
    if (source != nullptr) {
      archive->zip_ = zip_open_from_source(source, ZIP_RDONLY, &error);
      if (archive->zip_ == nullptr) zip_source_free(source);
    }
    std::string message = archive->zip_ == nullptr ? zip_error_strerror(&error) : "";
    zip_error_fini(&error);
    if (archive->zip_ == nullptr) return {nullptr, message};
    return {std::move(archive), {}};
  }
  ~ZipSkinArchive() override {
    if (zip_ != nullptr) zip_discard(zip_);
  }
  ZipSkinArchive(const ZipSkinArchive&) = delete;
  ZipSkinArchive& operator=(const ZipSkinArchive&) = delete;

  std::optional<std::string> Entry(std::string_view name, std::size_t limit) const override {
    const std::string wanted(name);
    const zip_int64_t index = zip_name_locate(zip_, wanted.c_str(), ZIP_FL_NOCASE);
    if (index < 0) return std::nullopt;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip_, static_cast<zip_uint64_t>(index), 0, &stat) != 0) return std::nullopt;
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && stat.encryption_method != ZIP_EM_NONE)
      return std::nullopt;
    zip_file_t* file = zip_fopen_index(zip_, static_cast<zip_uint64_t>(index), 0);
    if (file == nullptr) return std::nullopt;
    // Read to the end whatever size the entry declares: only the end checks
    // the CRC, and one byte past the limit is enough to refuse it.
    std::string bytes;
    char chunk[16384];
    bool whole = true;
    for (;;) {
      const zip_int64_t got = zip_fread(file, chunk, sizeof chunk);
      if (got < 0 || bytes.size() + static_cast<std::size_t>(got) > limit) {
        whole = false;
        break;
      }
      if (got == 0) break;
      bytes.append(chunk, static_cast<std::size_t>(got));
    }
    // A CRC error may also be told only when the entry is closed.
    if (zip_fclose(file) != 0) whole = false;
    if (!whole) return std::nullopt;
    return bytes;
  }

 private:
  explicit ZipSkinArchive(std::string bytes) : bytes_(std::move(bytes)) {}

  std::string bytes_;
  zip_t* zip_ = nullptr;
};

}  // namespace

OpenedSkinArchive OpenSkinArchive(const std::string& path) {
  ReadResult read = ReadFileBytes(path, kSkinArchiveLimit);
  if (!read.status) return {nullptr, read.status.error};
  return OpenSkinArchiveBytes(std::move(read.bytes));
}

OpenedSkinArchive OpenSkinArchiveBytes(std::string bytes) {
  // An empty file would open as an empty archive, which is no skin.
  if (bytes.empty()) return {nullptr, "not a skin archive"};
  return ZipSkinArchive::Open(std::move(bytes));
}

}  // namespace plumex
