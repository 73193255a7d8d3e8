#pragma once
// Zip archives made on the spot, for the skin tests and benchmark.
#include <zip.h>

#include <string>
#include <vector>

namespace plumex::test {

struct ZipEntry {
  std::string name;
  std::string bytes;
  bool stored = false;     // else deflated
  bool encrypted = false;  // AES-256 with a password we never give
};

// Writes `entries` to a new archive at `path`; false when libzip could not.
inline bool MakeZip(const std::string& path, const std::vector<ZipEntry>& entries) {
  zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
  for (const ZipEntry& entry : entries) {
    zip_source_t* source = zip == nullptr ? nullptr : zip_source_buffer(zip, entry.bytes.data(), entry.bytes.size(), 0);
    const zip_int64_t at = source == nullptr ? -1 : zip_file_add(zip, entry.name.c_str(), source, ZIP_FL_ENC_GUESS);
    if (at < 0) return false;  // a test that fails here leaks one archive handle
    zip_set_file_compression(zip, static_cast<zip_uint64_t>(at), entry.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    if (entry.encrypted) zip_file_set_encryption(zip, static_cast<zip_uint64_t>(at), ZIP_EM_AES_256, "secret");
  }
  return zip != nullptr && zip_close(zip) == 0;
}

}  // namespace plumex::test
