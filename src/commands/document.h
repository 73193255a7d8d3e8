#pragma once
// The one document of the window: its name, its flags and the flow of
// opening, saving and auto-saving it. Only this class changes `Modified`.
// Every write goes through a temporary file, so a failed save leaves the old
// file as it was and the text modified.
#include <functional>
#include <string>

#include "config/settings.h"
#include "language/language_table.h"
#include "model/document_state.h"
#include "platform/answer.h"
#include "platform/editor.h"
#include "platform/file_io.h"

namespace plumex {

// The questions and reports the document puts to the user; the window asks
// them in its boxes, tests answer for the user.
class DocumentDialogs {
 public:
  virtual ~DocumentDialogs() = default;
  // Before the text is replaced by another.
  virtual Answer AskSaveChanges() = 0;
  // Before the window closes over this unsaved text.
  virtual Answer AskSaveOnClose(const std::string& fileName) = 0;
  // The path chosen in the save dialog; empty when cancelled.
  virtual std::string ChooseSavePath(const std::string& folder, const std::string& fileName) = 0;
  virtual bool ConfirmOverwrite(const std::string& path) = 0;
  virtual void ShowError(const std::string& message) = 0;
  // Writing a text that shows "?" for `count` characters of its file.
  virtual bool ConfirmLossySave(std::size_t count) = 0;
};

enum class SaveMode { Interactive, Silent };

class Document {
 public:
  // The bytes the editor can hold at most: a CR LF pair is one character
  // there, so the byte count alone does not decide.
  Document(Editor& editor, const Settings& settings, const LanguageTable& texts, DocumentDialogs& dialogs,
           int maxCharacters);

  const DocumentState& State() const { return state_; }
  bool Modified() const { return state_.Modified; }
  bool Untitled() const { return state_.Untitled; }
  std::string Path() const { return state_.Path(); }
  // Changed since the last save, or never saved: Save has work to do.
  bool Unsaved() const { return !justSaved_; }

  // How the text is written: the bytes as they are, or encoded as UTF-8
  // (a file read as UTF-8 keeps that form, and its byte-order mark).
  bool Utf8() const { return utf8_; }
  // Characters of the file Windows-1251 lacks, shown as "?"; while there are
  // any, Save would lose them and is refused.
  std::size_t Lossy() const { return lossy_; }
  // The file as read, kept only while it cannot be held losslessly: a
  // repair may still need it.
  const std::string& LossyOriginal() const { return original_; }
  // From now on the text is written in this form; what is shown stays.
  void SetUtf8(bool on);
  // The user accepted the "?" in the view: it is the text from now on.
  void AcceptLossy();

  // A new empty text in the folder new texts start in.
  void StartUntitled();
  // A name that does not exist yet: an empty text the first Save writes there.
  void StartNamed(const std::string& folder, const std::string& fileName);
  // Reads a file into the editor. On failure the document keeps its name
  // and text, so no later save can write the old text over the file that
  // failed to open.
  bool Load(const std::string& path);

  // The editor's change notice.
  void Edited();
  // The ".LOG" stamp at the end of a log file, as the user would type it.
  void AppendLogStamp(const std::string& stamp);

  // Saves or asks as the user decides; false when the text must stay.
  bool ConfirmDiscard();
  bool ConfirmClose();
  // Forgets the changes: the window closes without asking ("/p").
  void Discard() { state_.Modified = false; }
  bool Save(SaveMode mode = SaveMode::Interactive);
  // Save for an untitled text asks for a name.
  bool SaveOrSaveAs();
  bool SaveAs();
  void SaveSelectionAs();
  // A minute of the auto-save timer passed. Nothing is saved while a
  // question is on screen: the answer may be "don't save".
  void AutoSaveMinute(bool questionOnScreen);
  // The window lost the focus; returns the message of a failed save, once
  // for each run of failures.
  std::string SaveOnFocusLoss();
  // Runs after every successful save.
  void SetSavedHandler(std::function<void()> saved) { saved_ = std::move(saved); }

  // Rewrites that are not the user's typing keep the flag as it was.
  class KeepModified {
   public:
    explicit KeepModified(Document& document) : document_(document), before_(document.state_.Modified) {}
    ~KeepModified() { document_.state_.Modified = before_; }
    KeepModified(const KeepModified&) = delete;
    KeepModified& operator=(const KeepModified&) = delete;

   private:
    Document& document_;
    bool before_;
  };

 private:
  bool Write(const std::string& path, const std::string& bytes, SaveMode mode);
  // The text in the document's form: the bytes, or UTF-8 with its mark.
  std::string FileBytes(std::string text) const;
  // Save As over a lossy text asks first; false when the user said no.
  std::string LossyReason() const;
  bool ForeignUntitledFile() const;
  // Writes the text to its own file and marks it saved when that worked.
  IoStatus WriteInPlace();
  void MarkSaved();
  std::string WithDefaultExtension(const std::string& path) const;
  void SetName(const std::string& path);
  // A message of the language in force, in UTF-8 as file names are.
  std::string Said(std::string_view key) const;

  Editor& editor_;
  const Settings& settings_;
  const LanguageTable& texts_;
  DocumentDialogs& dialogs_;
  int maxCharacters_;
  DocumentState state_;
  std::string untitledWritten_;  // the "Untitled.txt" this window saved
  std::string lastFocusSaveError_;
  std::string original_;
  std::size_t lossy_ = 0;
  bool utf8_ = false;
  bool utf8Mark_ = false;
  std::function<void()> saved_;
  int autoSaveMinutes_ = 0;
  bool justSaved_ = false;
  bool saving_ = false;
};

}  // namespace plumex
