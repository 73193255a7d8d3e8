#pragma once
// The modeless Find and Replace boxes: they collect the texts and options and
// report button presses; the searching is FindReplace's.
#include <QDialog>
#include <QPoint>
#include <QRect>
#include <optional>

#include "commands/text_search.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace plumex {

enum class SearchDialogKind { Find, Replace };

class FindReplaceDialog : public QDialog {
  Q_OBJECT

 public:
  FindReplaceDialog(SearchDialogKind kind, QWidget* parent);

  SearchDialogKind Kind() const { return kind_; }
  QString FindText() const;
  void SetFindText(const QString& text);
  // Empty in the Find box.
  QString ReplaceText() const;
  // The options chosen; the line-break style is the caller's to fill in.
  SearchOptions Options() const;
  // While a Replace All runs only closing the box is offered.
  void SetBusy(bool busy);
  // Its captions in the language in force.
  void Retranslate();

 signals:
  void findNextClicked();
  void replaceClicked();
  void replaceAllClicked();

 private:
  SearchDialogKind kind_;
  QLineEdit* find_;
  QLineEdit* replace_ = nullptr;
  QCheckBox* wholeWord_;
  QCheckBox* matchCase_;
  QRadioButton* up_;
  QPushButton* findNext_;
  QPushButton* replaceOne_ = nullptr;
  QPushButton* replaceAll_ = nullptr;
};

// Where a search box goes so that it does not hide the match: `start` and
// `end` are the screen points of the selection's two ends. Above the match
// when there is room, else below it when that fits on the screen; nothing
// when the box covers neither point or cannot be placed.
std::optional<QPoint> PositionClearOf(const QRect& box, const QPoint& start, const QPoint& end, int screenHeight);

}  // namespace plumex
