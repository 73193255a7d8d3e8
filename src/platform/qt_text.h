#pragma once
// Document bytes to QString and back, for the widgets only.
#include <QString>
#include <string>
#include <string_view>

#include "convert/display_text.h"

namespace plumex {

QString BytesToQString(std::string_view bytes, LineBreak style = LineBreak::CrLf);
std::string QStringToBytes(const QString& text, LineBreak style = LineBreak::CrLf);

}  // namespace plumex
