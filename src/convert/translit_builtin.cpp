// The shipped translit and ruslit tables.
#include "convert/translit.h"

#include "convert/win1251.h"

namespace plumex {
namespace {

struct LetterRow {
  const char* upper;
  const char* lower;
  const char* translitUpper;
  const char* translitLower;
  const char* ruslitUpper;
  const char* ruslitLower;
};

// Letters in UTF-8 for reading; turned into Windows-1251 bytes when the lines
// are built.
constexpr LetterRow kLetters[] = {
    {"А", "а", "A", "a", "A", "a"},
    {"Б", "б", "B", "b", "6", "6"},
    {"В", "в", "V", "v", "B", "B"},
    {"Г", "г", "G", "g", "r", "r"},
    {"Д", "д", "D", "d", "g", "g"},
    {"Е", "е", "E", "e", "E", "e"},
    {"Ё", "ё", "E", "e", "E", "e"},
    {"Ж", "ж", "Zh", "zh", "}|{", "}|{"},
    {"З", "з", "Z", "z", "3", "3"},
    {"И", "и", "I", "i", "U", "u"},
    {"Й", "й", "J", "j", "U", "u"},
    {"К", "к", "K", "k", "K", "k"},
    {"Л", "л", "L", "l", "/\\", "/\\"},
    {"М", "м", "M", "m", "M", "M"},
    {"Н", "н", "N", "n", "H", "H"},
    {"О", "о", "O", "o", "O", "o"},
    {"П", "п", "P", "p", "/7", "/7"},
    {"Р", "р", "R", "r", "P", "p"},
    {"С", "с", "S", "s", "C", "c"},
    {"Т", "т", "T", "t", "T", "m"},
    {"У", "у", "U", "u", "Y", "y"},
    {"Ф", "ф", "F", "f", "(|)", "(|)"},
    {"Х", "х", "H", "h", "X", "x"},
    {"Ц", "ц", "Ts", "ts", "U,", "u,"},
    {"Ч", "ч", "Ch", "ch", "4", "4"},
    {"Ш", "ш", "Sh", "sh", "|||", "|||"},
    {"Щ", "щ", "Shch", "shch", "|||,", "|||,"},
    {"Ъ", "ъ", "'", "'", "'b", "'b"},
    {"Ы", "ы", "Y", "y", "b|", "b|"},
    {"Ь", "ь", "`", "`", "b", "b"},
    {"Э", "э", "E", "e", "-) ", "-)"},  // the upper-case look-alike ends with a blank
    {"Ю", "ю", "Yu", "yu", "|-0", "|-0"},
    {"Я", "я", "Ya", "ya", "R", "R"},
};

std::vector<std::string> TableLines(const char* LetterRow::*upperValue,
                                    const char* LetterRow::*lowerValue) {
  std::vector<std::string> lines;
  for (const LetterRow& row : kLetters) {
    lines.push_back(Utf8ToWin1251(row.upper) + "=" + row.*upperValue);
    lines.push_back(Utf8ToWin1251(row.lower) + "=" + row.*lowerValue);
  }
  return lines;
}

}  // namespace

std::vector<std::string> BuiltInTranslitLines() {
  return TableLines(&LetterRow::translitUpper, &LetterRow::translitLower);
}

std::vector<std::string> BuiltInRuslitLines() {
  return TableLines(&LetterRow::ruslitUpper, &LetterRow::ruslitLower);
}

}  // namespace plumex
