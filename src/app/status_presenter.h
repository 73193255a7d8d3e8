#pragma once
// Keeps the caption and the status panes in step with the text. Refresh runs
// on every keystroke, so it reads only the caret and counts, never the text.
#include <QString>
#include <string>

class QAction;
class QMainWindow;

namespace plumex {

class Document;
class EditorWidget;
class RecentList;
class StatusBar;

class StatusPresenter {
 public:
  StatusPresenter(QMainWindow& window, StatusBar& status, EditorWidget& editor, const Document& document,
                  RecentList& recent);

  // The percent item at the end of the menu bar, shown while the status bar
  // is hidden.
  void SetPercentItem(QAction* item) { percentItem_ = item; }

  void RefreshTitle();
  // Position, percent and caption; the caret is remembered for the file.
  void RefreshStatus();
  void RefreshSize();
  void ShowPercent();
  void ShowEncoding(const QString& name);
  void ShowInfo(const QString& text);
  void Retranslate();

 private:
  QMainWindow& window_;
  StatusBar& status_;
  EditorWidget& editor_;
  const Document& document_;
  RecentList& recent_;
  QAction* percentItem_ = nullptr;
  int rememberedCaret_ = -1;
  std::string rememberedPath_;
};

}  // namespace plumex
