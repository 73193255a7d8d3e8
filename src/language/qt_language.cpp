#include "language/qt_language.h"

#include "platform/qt_text.h"
#include "language/language_table.h"

namespace plumex {

QString Tr(const char* key) { return BytesToQString(Language().Text(key)); }

}  // namespace plumex
