#include "platform/skin_archive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <cstring>

namespace plumex {
namespace {

constexpr const char* kNotASkin = "not a skin archive";

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
  // Non-blocking, so a pipe named like an archive cannot hold us; the checks
  // are made on what was opened, not on the name.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {nullptr, std::strerror(errno)};
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::size_t>(st.st_size) > kSkinArchiveLimit) {
    close(fd);
    return {nullptr, kNotASkin};
  }
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  char chunk[65536];
  std::string error;
  for (;;) {
    const ssize_t got = read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) error = std::strerror(errno);
    if (got <= 0) break;
    // The file may grow while it is read; the cap holds all the same.
    if (bytes.size() + static_cast<std::size_t>(got) > kSkinArchiveLimit) {
      error = kNotASkin;
      break;
    }
    bytes.append(chunk, static_cast<std::size_t>(got));
  }
  close(fd);
  if (!error.empty()) return {nullptr, error};
  return OpenSkinArchiveBytes(std::move(bytes));
}

OpenedSkinArchive OpenSkinArchiveBytes(std::string bytes) {
  // An empty file would open as an empty archive, which is no skin.
  if (bytes.empty()) return {nullptr, kNotASkin};
  return ZipSkinArchive::Open(std::move(bytes));
}

}  // namespace plumex
