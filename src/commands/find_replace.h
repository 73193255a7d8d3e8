#pragma once
// Find, Replace, Replace All and Find Next for the window's editor. Results go
// to the information pane through the given callback, never to message boxes.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "commands/text_search.h"
#include "config/settings.h"
#include "convert/letter_case.h"

namespace plumex {

class EditorWidget;
class FindReplaceDialog;

using InfoSink = std::function<void(const QString&)>;
using CaseTablesSource = std::function<const CaseTables&()>;

class FindReplace : public QObject {
  Q_OBJECT

 public:
  // The dialogs are made once, as children of `window`, and only shown and
  // hidden afterwards.
  FindReplace(QWidget* window, EditorWidget& editor, Settings& settings, CaseTablesSource tables, InfoSink info);
  ~FindReplace() override;

  // Open the boxes seeded with the selection, or the word at the caret.
  // The Replace box does not open on a read-only document.
  void ShowFind();
  void ShowReplace();
  // Repeats the last search, also after its box was closed; with no search
  // yet it opens the Find box.
  void FindNext();
  // Closes both boxes. A running Replace All stops and keeps what it has
  // replaced so far, written into the editor before this returns.
  void CloseDialogs();
  bool DialogOpen() const;
  // Both boxes in the language in force.
  void Retranslate();
  // True while a Replace All lets the window's events run; the window must
  // not rewrite the text meanwhile (a change it makes anyway abandons the
  // run, which then writes nothing).
  bool ReplaceAllRunning() const { return run_ != nullptr; }

 private:
  struct ReplaceAllState;
  enum class RunEnd { Completed, Stopped };

  void Show(FindReplaceDialog& dialog);
  QString ProposedText() const;
  void TakeSearchFrom(const FindReplaceDialog& dialog);
  bool SearchStep();
  void StepFromDialog(FindReplaceDialog& dialog);
  void Replace();
  void ReplaceAll();
  void FinishReplaceAll(RunEnd end);
  void OnDialogClosed(const FindReplaceDialog& dialog);
  void OnContentsChange(int position, int removed, int added);
  void MoveClearOfSelection(FindReplaceDialog& dialog);
  int ReplaceStart() const;
  std::string Bytes(const QString& text) const;
  const std::string& EditorBytes();
  void Report(const QString& text, const ReplaceAllState* timed = nullptr);

  EditorWidget& editor_;
  Settings& settings_;
  CaseTablesSource tables_;
  InfoSink info_;
  QPointer<FindReplaceDialog> find_;
  QPointer<FindReplaceDialog> replace_;

  QString searchText_;  // the last search's text
  SearchOptions searchOptions_;
  std::unique_ptr<ReplaceAllState> run_;
  bool writing_ = false;  // our own change of the text is under way
  // The editor's bytes as of the last search, until the text changes: Find
  // Next in a big text then costs a search, not a read-out.
  std::string textCache_;
  bool textCacheValid_ = false;
};

}  // namespace plumex
