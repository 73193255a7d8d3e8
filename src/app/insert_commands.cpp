#include "app/insert_commands.h"

#include <QMenu>

#include "app/char_map.h"
#include "commands/date_time_text.h"
#include "commands/document.h"
#include "commands/profile.h"
#include "language/qt_language.h"
#include "platform/editor_widget.h"
#include "platform/file_io.h"
#include "platform/prompter.h"
#include "platform/qt_text.h"

namespace plumex {
namespace {

constexpr int kLimit = EditorWidget::kMaxLength;

}  // namespace

InsertCommands::InsertCommands(Parts parts, QWidget* window)
    : p_(std::move(parts)),
      charMap_(new CharMap(p_.profile.settings().StartCharMap, p_.profile.settings().EndCharMap, window)) {
  connect(charMap_, &CharMap::insertRequested, this, &InsertCommands::Character);
  connect(charMap_, &CharMap::addToSpecialRequested, this, &InsertCommands::AddToSpecial);
}

void InsertCommands::Separator() { Report(InsertSeparator(p_.editor, p_.profile.settings().strHR, kLimit)); }

void InsertCommands::Signature() {
  Report(InsertSignature(p_.editor, p_.profile.list(AuxList::Signature), kLimit));
}

void InsertCommands::DateAndTime() {
  Report(InsertText(p_.editor, DateTimeText(p_.profile.settings().UseSecondsDateTime), kLimit));
}

void InsertCommands::ExternalFile() {
  if (p_.editor.ReadOnly()) return;
  const QStringList chosen = p_.prompter.ChooseFilesToOpen(QString::fromStdString(p_.document.State().Folder));
  if (chosen.isEmpty()) return;
  // Each CR LF pair is one character, so a file that fits may hold twice
  // as many bytes; a bigger one is refused unread.
  const ReadResult read = ReadFileBytes(chosen.first().toStdString(), 2 * static_cast<std::size_t>(kLimit));
  if (!read.status) {
    p_.prompter.ShowError(QString::fromStdString(read.status.error));
    return;
  }
  Report(InsertText(p_.editor, FileLines(read.bytes, p_.editor.LineBreakStyle()), kLimit), chosen.first());
}

void InsertCommands::Character(unsigned char code) {
  // The menu items and the map's buttons are no actions that wait by
  // themselves.
  if (p_.locked()) return;
  Report(InsertText(p_.editor, std::string(1, static_cast<char>(code)), kLimit));
  p_.refresh();
}

void InsertCommands::Report(InsertOutcome outcome, const QString& source) {
  if (outcome != InsertOutcome::TooLarge) return;
  const QString limit = Tr("strTooLarge1") + ' ' + QString::number(kLimit) + ' ' + Tr("strTooLarge2");
  p_.prompter.ShowError(source.isEmpty() ? limit : '"' + source + "\": " + limit);
}

void InsertCommands::ShowCharMap() {
  // The text area is the editor's focus proxy; its font is the one in use.
  charMap_->ShowWithFont(p_.editor.focusProxy()->font());
}

void InsertCommands::BuildSpecialMenu() {
  QMenu& menu = p_.specialChars;
  menu.clear();
  const std::string& chars = p_.profile.settings().strSpecChars;
  menu.setEnabled(!chars.empty());
  for (const char c : chars) {
    const auto code = static_cast<unsigned char>(c);
    // "&" would be taken for the mark of an accelerator.
    QAction* item = menu.addAction(BytesToQString(std::string(1, c)).replace('&', QStringLiteral("&&")));
    connect(item, &QAction::triggered, this, [this, code] { Character(code); });
  }
}

void InsertCommands::AddToSpecial(unsigned char code) {
  p_.profile.settings().strSpecChars += static_cast<char>(code);
  BuildSpecialMenu();
}

void InsertCommands::Retranslate() { charMap_->Retranslate(); }

}  // namespace plumex
