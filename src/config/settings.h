#pragma once
// The settings record: one field per key of the settings file, named by the
// key, with its built-in default. Texts are Windows-1251 bytes. The record is
// filled by LoadSettings and written by SaveSettings; everything else reads
// and writes its fields directly.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "platform/ini_file.h"

namespace plumex {

// [PRINT_FONT]: the font pages are printed with.
struct PrintFontSettings {
  int Charset = 204;
  int Size = 11;
  int Color = 0;
  std::string Name = "Courier New";
  bool Bold = false;
  bool Italic = false;
  bool operator==(const PrintFontSettings&) const = default;
};

// [USER_STYLE]: the user-defined appearance scheme. Colours are 0x00BBGGRR.
struct UserStyleSettings {
  int BackColor = 15727868;  // 0xEFFCFC, a pale yellow
  int Charset = 204;
  int Size = 10;
  int Color = 0;
  std::string Name = "Courier New";
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  bool operator==(const UserStyleSettings&) const = default;
};

// One keyboard layout of [LAYOUT]: its short name ("En"), the keyboard-layout
// identifier ("00000409") and the characters of its keys, position-aligned
// with the other layouts' keys.
struct LayoutSlot {
  std::string Name;
  std::string Id;
  std::string Keys;
  bool operator==(const LayoutSlot&) const = default;
};

inline constexpr int kMaxLayouts = 3;

struct Settings {
  // [EDITOR]
  std::string LastPath;
  int LinesToScroll = 3;
  int DefCharSet = 204;  // the Russian character set
  int Starts = 0;
  int Language = 0;
  int Style = 0;
  int AppearStyle = 5;
  std::string DefExt = "txt";
  int SpaceTab = 6;
  int EditorLeft = 10;
  int EditorTop = 10;
  int EditorWidth = 680;
  int EditorHeight = 530;
  int SetsWidth = 500;
  int SetsHeight = 390;
  bool IsAutoSaving = false;
  int Mins = 5;
  bool IsNewWindow = false;
  bool IsSavePosition = false;
  bool IsWW = true;
  bool IsDC = false;
  bool IsDetectURL = true;
  bool IsSound = false;
  bool IsStayOnTop = false;
  bool IsSaveFocus = false;
  bool IsSaveExit = false;
  bool IsShowMenu = true;
  bool IsShowScroll = true;
  bool IsShowStatusFS = false;
  bool IsShowStatusNorm = true;
  bool IsShowToolNorm = true;
  bool IsChAttrs = false;
  bool IsLimit = false;
  bool IsMax = false;
  bool IsRestoreCaret = false;
  bool IsConfirmSaveAs = true;
  int CharsLimit = 80;
  int LInd = 130;
  int RInd = 130;
  bool MyIndent = false;
  bool IsIntegrIE = false;
  bool UseSecondsDateTime = false;
  int EscFunction = 2;  // 0 none, 1 minimize, 2 exit
  bool IsBeepOff = false;
  int NormFontSize = 10;
  bool IsDefReadOnly = false;
  bool IsMake1251 = true;
  std::string str1251 = "*";
  std::string str1252 = "*";
  bool IsUseSuperPopup = false;
  bool IsReplaceTabs = false;
  bool IsDebug = false;
  bool IsChangeFindDlgPos = true;
  int StartCharMap = 33;
  int EndCharMap = 254;
  int BookmarkType = 0;  // 0 line number, 1 caret position
  int Bookmark = 1;
  bool UseAppFolder = false;
  bool UseTempFile = true;

  // [AUTODETECT]
  bool IsAutoDetect = true;
  bool IsDirectConvert = false;
  bool IsDetectFormat = true;
  std::string WinDetectString = "\xE5\xE8\xED\xEE";  // еино
  int DetectBuffer = 1024;
  int DetectMethod = 0;  // 0 the marker count, 1 statistical

  // [ECODINGS]: the 66 Russian letters, upper case then lower case, in the
  // order of StrWIN ("ЁЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮёйцукен..."), each
  // table in its own code page.
  std::string StrWIN =
      "\xA8\xC9\xD6\xD3\xCA\xC5\xCD\xC3\xD8\xD9\xC7\xD5\xDA\xD4\xDB\xC2\xC0"
      "\xCF\xD0\xCE\xCB\xC4\xC6\xDD\xDF\xD7\xD1\xCC\xC8\xD2\xDC\xC1\xDE"
      "\xB8\xE9\xF6\xF3\xEA\xE5\xED\xE3\xF8\xF9\xE7\xF5\xFA\xF4\xFB\xE2\xE0"
      "\xEF\xF0\xEE\xEB\xE4\xE6\xFD\xFF\xF7\xF1\xEC\xE8\xF2\xFC\xE1\xFE";
  std::string StrDOS =  // code page 866
      "\xF0\x89\x96\x93\x8A\x85\x8D\x83\x98\x99\x87\x95\x9A\x94\x9B\x82\x80"
      "\x8F\x90\x8E\x8B\x84\x86\x9D\x9F\x97\x91\x8C\x88\x92\x9C\x81\x9E"
      "\xF1\xA9\xE6\xE3\xAA\xA5\xAD\xA3\xE8\xE9\xA7\xE5\xEA\xE4\xEB\xA2\xA0"
      "\xAF\xE0\xAE\xAB\xA4\xA6\xED\xEF\xE7\xE1\xAC\xA8\xE2\xEC\xA1\xEE";
  std::string StrKOI =  // KOI8-R
      "\xB3\xEA\xE3\xF5\xEB\xE5\xEE\xE7\xFB\xFD\xFA\xE8\xFF\xE6\xF9\xF7\xE1"
      "\xF0\xF2\xEF\xEC\xE4\xF6\xFC\xF1\xFE\xF3\xED\xE9\xF4\xF8\xE2\xE0"
      "\xA3\xCA\xC3\xD5\xCB\xC5\xCE\xC7\xDB\xDD\xDA\xC8\xDF\xC6\xD9\xD7\xC1"
      "\xD0\xD2\xCF\xCC\xC4\xD6\xDC\xD1\xDE\xD3\xCD\xC9\xD4\xD8\xC2\xC0";
  std::string StrMAC =  // Mac Cyrillic
      "\xDD\x89\x96\x93\x8A\x85\x8D\x83\x98\x99\x87\x95\x9A\x94\x9B\x82\x80"
      "\x8F\x90\x8E\x8B\x84\x86\x9D\x9F\x97\x91\x8C\x88\x92\x9C\x81\x9E"
      "\xDE\xE9\xF6\xF3\xEA\xE5\xED\xE3\xF8\xF9\xE7\xF5\xFA\xF4\xFB\xE2\xE0"
      "\xEF\xF0\xEE\xEB\xE4\xE6\xFD\xDF\xF7\xF1\xEC\xE8\xF2\xFC\xE1\xFE";
  std::string StrISO =  // ISO 8859-5
      "\xA1\xB9\xC6\xC3\xBA\xB5\xBD\xB3\xC8\xC9\xB7\xC5\xCA\xC4\xCB\xB2\xB0"
      "\xBF\xC0\xBE\xBB\xB4\xB6\xCD\xCF\xC7\xC1\xBC\xB8\xC2\xCC\xB1\xCE"
      "\xF1\xD9\xE6\xE3\xDA\xD5\xDD\xD3\xE8\xE9\xD7\xE5\xEA\xE4\xEB\xD2\xD0"
      "\xDF\xE0\xDE\xDB\xD4\xD6\xED\xEF\xE7\xE1\xDC\xD8\xE2\xEC\xD1\xEE";

  // [CASE]: pairs matched position by position.
  std::string StrUpCase_En = "QWERTYUIOPASDFGHJKLZXCVBNM";
  std::string StrUpCase_Ru =  // ЁЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮ
      "\xA8\xC9\xD6\xD3\xCA\xC5\xCD\xC3\xD8\xD9\xC7\xD5\xDA\xD4\xDB\xC2\xC0"
      "\xCF\xD0\xCE\xCB\xC4\xC6\xDD\xDF\xD7\xD1\xCC\xC8\xD2\xDC\xC1\xDE";
  std::string StrLoCase_En = "qwertyuiopasdfghjklzxcvbnm";
  std::string StrLoCase_Ru =  // ёйцукенгшщзхъфывапролджэячсмитьбю
      "\xB8\xE9\xF6\xF3\xEA\xE5\xED\xE3\xF8\xF9\xE7\xF5\xFA\xF4\xFB\xE2\xE0"
      "\xEF\xF0\xEE\xEB\xE4\xE6\xFD\xFF\xF7\xF1\xEC\xE8\xF2\xFC\xE1\xFE";
  std::string StrUpCase_Add = "\xB2\xAA\xAF\xA5\x81\x87\x8C\x8D\x8E\xA6\xA4";  // ІЄЇҐЃ‡ЊЌЋ¦¤
  std::string StrLoCase_Add = "\xB3\xBA\xBF\xB4\x83\x89\x9C\x9D\x9E\xB1\xB5";  // ієїґѓ‰њќћ±µ

  // [LAYOUT]: slots [0, LOCount) are in use and named; the rest are empty.
  int LOCount = 2;
  std::array<LayoutSlot, kMaxLayouts> Layouts = {{
      {"En", "00000409",
       "!@#$%^&*()_+~QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>?|`qwertyuiop[]asdfghjkl;'zxcvbnm,./\\"},
      {"Ru", "00000419",
       "!\"\xB9;%:?*()_+"
       "\xA8\xC9\xD6\xD3\xCA\xC5\xCD\xC3\xD8\xD9\xC7\xD5\xDA\xD4\xDB\xC2\xC0"
       "\xCF\xD0\xCE\xCB\xC4\xC6\xDD\xDF\xD7\xD1\xCC\xC8\xD2\xDC\xC1\xDE,/"
       "\xB8\xE9\xF6\xF3\xEA\xE5\xED\xE3\xF8\xF9\xE7\xF5\xFA\xF4\xFB\xE2\xE0"
       "\xEF\xF0\xEE\xEB\xE4\xE6\xFD\xFF\xF7\xF1\xEC\xE8\xF2\xFC\xE1\xFE.\\"},
      {},
  }};

  PrintFontSettings PrintFont;  // [PRINT_FONT]
  UserStyleSettings UserStyle;  // [USER_STYLE]

  // [EXTS]: registered file extensions; -1 = never set up, install the defaults.
  int CountExts = 0;
  // The extensions themselves, sorted and lower case; exts.ini keeps them.
  std::vector<std::string> ExtsList;

  // [ADDITIONAL]
  std::string strSpecChars = "\x97\x88\xA9\xAE\x99\xA7\xB1";  // —€©®™§±
  std::string strHR = std::string(60, '-');

  // Derived at load, not stored under keys of their own.
  bool RestoreLastPath = false;  // LastPath was set: save the working folder into it
  std::string TabSpaces = std::string(static_cast<std::size_t>(SpaceTab), ' ');  // saved as SpaceTab
  // StrUpCase_En + _Ru + _Add and StrLoCase_En + _Ru + _Add; a pair of
  // unequal length is cut to the shorter, so that positions keep pairing.
  std::string CaseUpperAll = StrUpCase_En + StrUpCase_Ru + StrUpCase_Add;
  std::string CaseLowerAll = StrLoCase_En + StrLoCase_Ru + StrLoCase_Add;

  bool operator==(const Settings&) const = default;
};

// Where the conversion tables in use came from: the settings file (English
// interface) or a language file. Only the former are written back.
enum class TableSource { SettingsFile, LanguageFile };

struct SettingsLoad {
  bool firstStart = false;  // Starts was below 1: write the whole file at once
};

// Fills `settings` from `file`: built-in defaults for missing keys, values
// out of range brought into range, then the derived fields built.
SettingsLoad LoadSettings(const IniFile& file, Settings& settings);

// Re-reads only the conversion tables ([AUTODETECT] WinDetectString and
// DetectBuffer, [ECODINGS], the [CASE] _Add pair, [LAYOUT]) from `source`,
// such as a language file, keeping the current values where it has none or
// where a table's characters did not all fit Windows-1251.
void LoadTables(const IniFile& source, Settings& settings);

// Writes every key of every section into `file`, keeping its other lines.
// LastPath is written only while RestoreLastPath is on (the caller puts the
// working folder into it first); SpaceTab is written as TabSpaces' length.
// The conversion tables are written only for TableSource::SettingsFile.
void SaveSettings(const Settings& settings, IniFile& file, TableSource tables);

}  // namespace plumex
