#pragma once
// The Go To box (a line, or a share of the text to scroll to) and showing the
// quick bookmark. The box is made once and shown without modality.
#include <QDialog>

#include "commands/go_to.h"

class QRadioButton;
class QSpinBox;

namespace plumex {

class EditorWidget;

class GoToDialog : public QDialog {
  Q_OBJECT

 public:
  GoToDialog(QWidget* parent, EditorWidget& editor);

  // In the middle of the screen (the Go To command).
  void ShowCentred(GoToMode mode);
  // With its top-left corner at a screen point (from the status panes).
  void ShowAt(GoToMode mode, const QPoint& topLeft);
  // Its words in the language in force.
  void Retranslate();

 signals:
  // The caret moved or the text scrolled: time to refresh the status bar.
  void applied();

 private:
  void Prepare(GoToMode mode);
  void Present();
  void Apply();

  EditorWidget& editor_;
  QSpinBox* number_;
  QRadioButton* line_;
  QRadioButton* percent_;
};

// Go to Quick Bookmark: the caret to the bookmark; a bookmarked line is
// brought to the top of the view.
void ShowQuickBookmark(EditorWidget& editor, const Settings& settings);

}  // namespace plumex
