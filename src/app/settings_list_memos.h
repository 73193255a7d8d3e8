#pragma once
// The memos of the Transliteration and Additional pages: each shows one list
// file's lines and hands them back on OK. A double-click on a translit memo
// puts the built-in table into the memo; the list takes it only on OK.
#include <QPlainTextEdit>
#include <optional>
#include <string>
#include <vector>

#include "app/settings_host.h"

namespace plumex {

class ListMemo : public QPlainTextEdit {
  Q_OBJECT

 public:
  // `builtIn`: what a double-click restores; none for the signature.
  ListMemo(AuxList list, std::optional<std::vector<std::string>> builtIn, QWidget* parent);

  AuxList list() const { return list_; }
  void Show(const std::vector<std::string>& lines);
  std::vector<std::string> Lines() const;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  AuxList list_;
  std::optional<std::vector<std::string>> builtIn_;
};

}  // namespace plumex
