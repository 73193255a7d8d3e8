#include "commands/document.h"

#include <filesystem>

#include "convert/utf8.h"
#include "convert/win1251.h"
#include "language/language_table.h"
#include "platform/file_io.h"
#include "platform/system_facts.h"

namespace plumex {
namespace {

std::string WithSlash(std::string folder) {
  if (!folder.ends_with('/')) folder += '/';
  return folder;
}

std::size_t CharactersOf(const std::string& bytes) {
  if (DetectLineBreak(bytes) == LineBreak::Lf) return bytes.size();
  std::size_t pairs = 0;
  for (std::size_t i = bytes.find("\r\n"); i != std::string::npos; i = bytes.find("\r\n", i + 2))
    ++pairs;
  return bytes.size() - pairs;
}

}  // namespace

Document::Document(Editor& editor, const Settings& settings, const LanguageTable& texts,
                   DocumentDialogs& dialogs, int maxCharacters)
    : editor_(editor), settings_(settings), texts_(texts), dialogs_(dialogs), maxCharacters_(maxCharacters) {}

// Messages go to the user's dialogs in UTF-8, as file names do.
std::string Document::Said(std::string_view key) const { return Win1251ToUtf8(texts_.Text(key)); }

void Document::StartUntitled() {
  state_ = DocumentState{};
  state_.Folder = WithSlash(settings_.RestoreLastPath ? settings_.LastPath : DesktopFolder());
  untitledWritten_.clear();
  justSaved_ = false;
  utf8_ = utf8Mark_ = false;
  AcceptLossy();
}

void Document::StartNamed(const std::string& folder, const std::string& fileName) {
  state_.Folder = WithSlash(folder);
  state_.FileName = fileName;
  state_.Modified = false;
  state_.AutoSaveHeld = false;
  state_.Untitled = false;
  utf8_ = utf8Mark_ = false;
  AcceptLossy();
}

void Document::SetName(const std::string& path) {
  const std::filesystem::path full = std::filesystem::absolute(path);
  state_.Folder = WithSlash(full.parent_path().string());
  state_.FileName = full.filename().string();
}

bool Document::Load(const std::string& path) {
  const auto limit = static_cast<std::size_t>(maxCharacters_);
  ReadResult read = ReadFileBytes(path, 4 * limit);
  // A UTF-8 file is read as what it is, whatever IsDirectConvert says: the
  // whole file must be valid UTF-8 with a multi-byte character in it.
  bool utf8 = false;
  bool mark = false;
  std::size_t lossy = 0;
  std::string original;
  if (read.status && settings_.IsAutoDetect) {
    mark = std::string_view(read.bytes).starts_with(kUtf8Bom);
    if (mark) read.bytes.erase(0, kUtf8Bom.size());
    const InPlaceDecoding decoded = DecodeUtf8InPlace(read.bytes);
    // A byte-order mark is a multi-byte character of its own.
    utf8 = decoded.form == Utf8Form::Utf8 || (mark && decoded.form == Utf8Form::Ascii);
    lossy = decoded.unrepresentable;
    // Not UTF-8 after all, or not held losslessly: the file as read is wanted
    // (for the text, or for a repair that may need it). Reading it again
    // spares every other file a copy.
    if (!utf8 && (mark || decoded.rewritten)) read = ReadFileBytes(path, 4 * limit);
    if (utf8 && lossy > 0) original = ReadFileBytes(path, 4 * limit).bytes;
    mark = mark && utf8;
  }
  if (read.status && CharactersOf(read.bytes) > limit)
    read.status = {false, "\"" + path + "\": " + Said("strTooLarge1") + " " +
                              std::to_string(maxCharacters_) + " " + Said("strTooLarge2")};
  if (!read.status) {
    dialogs_.ShowError(read.status.error);
    return false;
  }
  SetName(path);
  untitledWritten_.clear();
  utf8_ = utf8;
  utf8Mark_ = mark;
  lossy_ = lossy;
  original_ = std::move(original);
  editor_.Load(read.bytes);
  state_.Format = settings_.IsDetectFormat && editor_.TextRange(0, 4) == ".LOG" ? DocumentFormat::Log
                                                                              : DocumentFormat::Plain;
  state_.AutoSaveHeld = true;
  state_.Untitled = false;
  state_.Modified = false;
  return true;
}

void Document::Edited() {
  state_.Modified = true;
  justSaved_ = false;
}

void Document::AppendLogStamp(const std::string& stamp) {
  if (state_.Format != DocumentFormat::Log || editor_.ReadOnly()) return;
  editor_.Select(editor_.Length(), editor_.Length());
  const std::string lineBreak(LineBreakBytes(editor_.LineBreakStyle()));
  editor_.ReplaceSelection(lineBreak + stamp + lineBreak, UndoMode::Record);
  Edited();
}

bool Document::ConfirmDiscard() {
  if (!state_.Modified) return true;
  switch (dialogs_.AskSaveChanges()) {
    case Answer::Yes: return SaveOrSaveAs();
    case Answer::No: return true;
    case Answer::Cancel: return false;
  }
  return false;
}

bool Document::ConfirmClose() {
  if (!state_.Modified) return true;
  if (settings_.IsSaveExit) return Save();
  switch (dialogs_.AskSaveOnClose(state_.FileName)) {
    case Answer::Yes: return Save();
    case Answer::No: state_.Modified = false; return true;
    case Answer::Cancel: return false;
  }
  return false;
}

bool Document::Write(const std::string& path, const std::string& bytes, SaveMode mode) {
  const IoStatus written = WriteFileAtomically(path, bytes);
  if (!written && mode == SaveMode::Interactive) dialogs_.ShowError(written.error);
  return written.ok;
}

bool Document::ForeignUntitledFile() const {
  // An untitled text never silently replaces an "Untitled.txt" it did not
  // write itself.
  return state_.Untitled && Path() != untitledWritten_ && FileExists(Path());
}

IoStatus Document::WriteInPlace() {
  saving_ = true;
  IoStatus written = WriteFileAtomically(Path(), FileBytes(editor_.Text()));
  saving_ = false;
  if (written) {
    if (state_.Untitled) untitledWritten_ = Path();
    MarkSaved();
  }
  return written;
}

bool Document::Save(SaveMode mode) {
  if (saving_) return false;
  // Written over its own file, a text that shows "?" would lose characters.
  if (lossy_ > 0) {
    if (mode == SaveMode::Interactive) dialogs_.ShowError(LossyReason());
    return false;
  }
  if (ForeignUntitledFile()) return mode == SaveMode::Interactive && SaveAs();
  const IoStatus written = WriteInPlace();
  if (written) return true;
  if (mode == SaveMode::Silent) return false;
  dialogs_.ShowError(written.error);
  return SaveAs();
}

bool Document::SaveOrSaveAs() { return state_.Untitled ? SaveAs() : Save(); }

void Document::MarkSaved() {
  state_.Modified = false;
  state_.AutoSaveHeld = false;
  justSaved_ = true;
  if (saved_) saved_();
}

std::string Document::WithDefaultExtension(const std::string& path) const {
  if (settings_.DefExt.empty() || std::filesystem::path(path).has_extension()) return path;
  return path + "." + settings_.DefExt;
}

bool Document::SaveAs() {
  if (saving_) return false;
  for (;;) {
    const std::string chosen = dialogs_.ChooseSavePath(state_.Folder, state_.FileName);
    if (chosen.empty()) return false;
    // The question is asked about the name that will really be written.
    const std::string path = WithDefaultExtension(chosen);
    if (settings_.IsConfirmSaveAs && FileExists(path) && !dialogs_.ConfirmOverwrite(path)) continue;
    if (lossy_ > 0 && !dialogs_.ConfirmLossySave(lossy_)) return false;
    saving_ = true;
    const bool ok = Write(path, FileBytes(editor_.Text()), SaveMode::Interactive);
    saving_ = false;
    if (!ok) return false;
    SetName(path);
    state_.Untitled = false;
    AcceptLossy();
    MarkSaved();
    return true;
  }
}

void Document::SaveSelectionAs() {
  const std::string chosen = dialogs_.ChooseSavePath(state_.Folder, state_.FileName);
  if (chosen.empty()) return;
  const std::string path = WithDefaultExtension(chosen);
  if (settings_.IsConfirmSaveAs && FileExists(path) && !dialogs_.ConfirmOverwrite(path)) return;
  if (lossy_ > 0 && !dialogs_.ConfirmLossySave(lossy_)) return;
  std::string text = editor_.SelectedText();
  // Every line of the selection ends with a line break, the last one too.
  const std::string_view lineBreak = LineBreakBytes(editor_.LineBreakStyle());
  if (!text.empty() && !std::string_view(text).ends_with(lineBreak)) text += lineBreak;
  // Written over the document's own file, the text on screen is no longer
  // what the file holds.
  if (Write(path, FileBytes(std::move(text)), SaveMode::Interactive) && path == Path()) Edited();
}

std::string Document::FileBytes(std::string text) const {
  if (!utf8_) return text;
  return (utf8Mark_ ? std::string(kUtf8Bom) : std::string()) + EncodeUtf8(text);
}

std::string Document::LossyReason() const {
  return std::to_string(lossy_) + " " + Said("strLossy1") + "\r\n" + Said("strLossy2");
}

void Document::SetUtf8(bool on) {
  if (on == utf8_) return;
  utf8_ = on;
  utf8Mark_ = false;
  justSaved_ = false;  // Save has the new form to write
}

void Document::AcceptLossy() {
  lossy_ = 0;
  original_.clear();
}

void Document::AutoSaveMinute(bool questionOnScreen) {
  if (++autoSaveMinutes_ < settings_.Mins || questionOnScreen) return;
  autoSaveMinutes_ = 0;
  if (settings_.IsAutoSaving && !state_.AutoSaveHeld && state_.Modified) Save(SaveMode::Silent);
}

std::string Document::SaveOnFocusLoss() {
  if (saving_ || lossy_ > 0 || !settings_.IsSaveFocus || editor_.ReadOnly() || (state_.Untitled && !state_.Modified) ||
      ForeignUntitledFile())
    return {};
  const IoStatus written = WriteInPlace();
  // Said once for each run of failures, never in a box over another program.
  const bool repeated = !written && written.error == lastFocusSaveError_;
  lastFocusSaveError_ = written.error;
  return repeated ? std::string() : written.error;
}

}  // namespace plumex
