#pragma once
// Document bytes to QString and back, for the widgets only.
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

#include "convert/display_text.h"

class QMimeData;

namespace plumex {

QString BytesToQString(std::string_view bytes, LineBreak style = LineBreak::CrLf);
std::string QStringToBytes(const QString& text, LineBreak style = LineBreak::CrLf);

// The local files a drop or paste carries, in their order.
QStringList LocalFiles(const QMimeData* data);

}  // namespace plumex
