#include "platform/skin_archive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <cstring>

namespace plumex {
namespace {

class ZipSkinArchive : public SkinArchive {
 public:
  explicit ZipSkinArchive(zip_t* zip) : zip_(zip) {}
  ~ZipSkinArchive() override { zip_discard(zip_); }
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
  zip_t* zip_;
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
    return {nullptr, "not a skin archive"};
  }
  int error = 0;
  zip_t* zip = zip_fdopen(fd, ZIP_RDONLY, &error);
  if (zip == nullptr) {
    close(fd);
    zip_error_t described;
    zip_error_init_with_code(&described, error);
    std::string message = zip_error_strerror(&described);
    zip_error_fini(&described);
    return {nullptr, message};
  }
  return {std::make_unique<ZipSkinArchive>(zip), {}};
}

}  // namespace plumex
