#include "app/settings_list_memos.h"

#include "platform/qt_text.h"

namespace plumex {

ListMemo::ListMemo(AuxList list, std::optional<std::vector<std::string>> builtIn, QWidget* parent)
    : QPlainTextEdit(parent), list_(list), builtIn_(std::move(builtIn)) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
}

void ListMemo::Show(const std::vector<std::string>& lines) {
  QStringList shown;
  shown.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) shown.append(BytesToQString(line));
  setPlainText(shown.join('\n'));
}

std::vector<std::string> ListMemo::Lines() const {
  std::vector<std::string> lines;
  const QString text = toPlainText();
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split('\n')) lines.push_back(QStringToBytes(line));
  return lines;
}

void ListMemo::mouseDoubleClickEvent(QMouseEvent* event) {
  if (builtIn_) Show(*builtIn_);
  else QPlainTextEdit::mouseDoubleClickEvent(event);
}

}  // namespace plumex
