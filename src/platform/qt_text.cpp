#include "platform/qt_text.h"

#include <QMimeData>
#include <QUrl>

namespace plumex {

QString BytesToQString(std::string_view bytes, LineBreak style) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  const std::size_t n = BytesToDisplay(bytes, style, reinterpret_cast<char16_t*>(text.data()));
  text.truncate(static_cast<qsizetype>(n));
  return text;
}

std::string QStringToBytes(const QString& text, LineBreak style) {
  return DisplayToBytes(std::u16string_view(reinterpret_cast<const char16_t*>(text.constData()),
                                            static_cast<std::size_t>(text.size())),
                        style);
}

QStringList LocalFiles(const QMimeData* data) {
  QStringList paths;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  return paths;
}

}  // namespace plumex
