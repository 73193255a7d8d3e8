#include "config/conversion_settings.h"

namespace plumex {

ConversionTables TablesFromSettings(const Settings& s) {
  TableTexts texts;
  texts.code_pages = {
      .StrWIN = s.StrWIN, .StrDOS = s.StrDOS, .StrKOI = s.StrKOI, .StrMAC = s.StrMAC, .StrISO = s.StrISO};
  texts.letters = {.StrUpCase_En = s.StrUpCase_En,
                   .StrLoCase_En = s.StrLoCase_En,
                   .StrUpCase_Ru = s.StrUpCase_Ru,
                   .StrLoCase_Ru = s.StrLoCase_Ru,
                   .StrUpCase_Add = s.StrUpCase_Add,
                   .StrLoCase_Add = s.StrLoCase_Add};
  texts.detection = {.WinDetectString = s.WinDetectString,
                     .DetectBuffer = s.DetectBuffer,
                     .method = static_cast<DetectMethod>(s.DetectMethod)};
  return ConversionTables(texts);
}

}  // namespace plumex
