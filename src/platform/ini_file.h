#pragma once
// INI files the way the settings and language files have always been read:
// "[Section]" headers and "Key=Value" lines, names case-insensitive, blanks
// around keys and values ignored, one pair of surrounding quotes dropped from
// a value, ";" lines are comments, a missing file, section or key gives the
// caller's default. The file is parsed once and rewritten whole, in the form
// it came in; lines this program does not know (foreign keys, comments, blank
// or malformed lines) survive the rewrite where they stood. Text is bytes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/file_io.h"
#include "platform/ini_encoding.h"

namespace plumex {

struct IniLoad;

// Larger files are no INI files of ours; they are refused rather than read.
inline constexpr std::size_t kIniSizeLimit = std::size_t{64} << 20;

class IniFile {
 public:
  // Any bytes parse: LF, CR LF or CR line ends, with or without a final one;
  // a 0x1A byte ends the file. A file with a UTF-8 or UTF-16 byte order mark
  // is read through the Windows-1251 table, characters it lacks as "?".
  static IniFile Parse(std::string_view bytes);
  static IniLoad Load(const std::string& path);

  // The whole file with CR LF line ends, in the form it was parsed from.
  std::string Serialize() const;
  // Written through a temporary file, so a failure leaves the old file intact.
  IoStatus Save(const std::string& path) const;

  // The first section of a name and the first key of a name in it count.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // As ReadString, but a value whose line held characters Windows-1251 lacks
  // gives the fallback: a table with a "?" in it would convert text wrongly.
  std::string ReadExactString(std::string_view section, std::string_view key,
                              std::string_view fallback) const;
  // The value's leading number, as the private-profile reader takes it:
  // blanks, an optional sign, decimal digits; the rest is ignored ("12abc" is
  // 12). No digits read as 0; a missing key, an empty value or a number
  // beyond 32 bits gives the fallback.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
  // An integer read so, true when not 0.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
  bool HasKey(std::string_view section, std::string_view key) const;
  // Key names as spelled in the file, in file order, each once.
  std::vector<std::string> Keys(std::string_view section) const;
  std::vector<std::string> SectionNames() const;

  // A value is cut at its first line break or 0x1A (which would end the file)
  // and quoted where needed, so that it reads back as written. A key or
  // section that could not be read back under its name (empty, containing
  // "=", "]", 0x1A or a line break, starting with ";" or "[") is not written.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  // Removes every line of that key from the section.
  void DeleteKey(std::string_view section, std::string_view key);

  // A name as lookups compare it: blanks trimmed, ASCII letters in lower case.
  static std::string FoldName(std::string_view name);
  static bool IsWritableKey(std::string_view key);
  static bool IsWritableSection(std::string_view section);

 private:
  struct Line {
    std::string text;
    std::size_t keyLength = 0;  // length of the trimmed key, 0 when not a key line
    std::size_t keyStart = 0;
    std::size_t valueStart = 0;  // just after the '='
    bool lossy = false;          // decoding put "?" for characters 1251 lacks
  };
  struct Section {
    std::string name;         // as spelled in the header; the preamble has none
    std::vector<Line> lines;  // the header line first, except in the preamble
    std::unordered_map<std::string, std::size_t> keys;  // folded name -> first line
  };

  static std::string_view ValueOf(const Line& line);
  const Line* FindKey(std::string_view section, std::string_view key) const;
  const Section* FindSection(std::string_view section) const;
  // The value's leading number; none for a missing key, an empty value or a
  // number beyond 32 bits.
  std::optional<int> IntegerValue(std::string_view section, std::string_view key) const;
  Section& SectionForWriting(std::string_view section);
  void AddDecodedLine(std::string_view text);
  void AddLine(std::string_view text, bool lossy);
  static void IndexKeys(Section& section);

  std::vector<Section> sections_;  // sections_[0] holds the lines before any header
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // folded name -> first
  IniEncoding encoding_ = IniEncoding::Win1251;
};

enum class IniLoadState { Missing, Loaded, Failed };

struct IniLoad {
  IniLoadState state = IniLoadState::Missing;
  IniFile file;       // empty unless Loaded
  std::string error;  // the reason, when Failed
};

}  // namespace plumex
