// The window's actions and menus, all derived from the action table and the
// menu layout.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/main_window.h"
#include "platform/qt_text.h"
#include "platform/key_text.h"
#include "platform/qt_keys.h"
#include "language/language_files.h"
#include "language/language_table.h"
#include "language/qt_language.h"

namespace plumex {
namespace {

ActionId ActionOfLayout(LayoutAction which) {
  return static_cast<ActionId>(static_cast<int>(ActionId::LO_12) + static_cast<int>(which));
}

}  // namespace

const MainWindow::HandlerRow MainWindow::kHandlers[] = {
    {ActionId::New, &MainWindow::OnNew, DuringReplaceAll::Refused},
    {ActionId::NewWnd, &MainWindow::OnNewWindow},
    {ActionId::Open, &MainWindow::OnOpen, DuringReplaceAll::Refused},
    {ActionId::Save, &MainWindow::OnSave},
    {ActionId::SaveAs, &MainWindow::OnSaveAs},
    {ActionId::SaveSelAs, &MainWindow::OnSaveSelAs},
    {ActionId::Exit, &MainWindow::OnExit},
    {ActionId::Undo, &MainWindow::OnUndo, DuringReplaceAll::Refused},
    {ActionId::Redo, &MainWindow::OnRedo, DuringReplaceAll::Refused},
    {ActionId::Cut, &MainWindow::OnCut, DuringReplaceAll::Refused},
    {ActionId::Copy, &MainWindow::OnCopy},
    {ActionId::CopyURL, &MainWindow::OnCopyUrl},
    {ActionId::Paste, &MainWindow::OnPaste, DuringReplaceAll::Refused},
    {ActionId::Del, &MainWindow::OnDelete, DuringReplaceAll::Refused},
    {ActionId::DelLine, &MainWindow::OnDeleteLine, DuringReplaceAll::Refused},
    {ActionId::SelAll, &MainWindow::OnSelectAll},
    {ActionId::Find, &MainWindow::OnFind},
    {ActionId::Replace, &MainWindow::OnReplace, DuringReplaceAll::Refused},
    {ActionId::SearchAgain, &MainWindow::OnFindNext},
    {ActionId::SetBook, &MainWindow::OnSetBookmark},
    {ActionId::GoToBook, &MainWindow::OnGoToBookmark},
    {ActionId::GoTo, &MainWindow::OnGoTo},
    {ActionId::IncFont, &MainWindow::OnIncFont},
    {ActionId::DecFont, &MainWindow::OnDecFont},
    {ActionId::NormFont, &MainWindow::OnNormFont},
    {ActionId::WW, &MainWindow::OnWordWrap},
    {ActionId::RO, &MainWindow::OnReadOnly, DuringReplaceAll::Refused},
    {ActionId::DosToWin, &MainWindow::OnDosToWin, DuringReplaceAll::Refused},
    {ActionId::KoiToWin, &MainWindow::OnKoiToWin, DuringReplaceAll::Refused},
    {ActionId::MacToWin, &MainWindow::OnMacToWin, DuringReplaceAll::Refused},
    {ActionId::IsoToWin, &MainWindow::OnIsoToWin, DuringReplaceAll::Refused},
    {ActionId::WinToDos, &MainWindow::OnWinToDos, DuringReplaceAll::Refused},
    {ActionId::WinToKoi, &MainWindow::OnWinToKoi, DuringReplaceAll::Refused},
    {ActionId::WinToMac, &MainWindow::OnWinToMac, DuringReplaceAll::Refused},
    {ActionId::WinToIso, &MainWindow::OnWinToIso, DuringReplaceAll::Refused},
    {ActionId::ToTrans, &MainWindow::OnToTrans, DuringReplaceAll::Refused},
    {ActionId::FromTrans, &MainWindow::OnFromTrans, DuringReplaceAll::Refused},
    {ActionId::ToRuslit, &MainWindow::OnToRuslit, DuringReplaceAll::Refused},
    {ActionId::FromRuslit, &MainWindow::OnFromRuslit, DuringReplaceAll::Refused},
    {ActionId::Detect, &MainWindow::OnDetect, DuringReplaceAll::Refused},
    {ActionId::PopMenuEncoding, &MainWindow::ShowEncodingMenu},
    {ActionId::UpCase, &MainWindow::OnUpCase, DuringReplaceAll::Refused},
    {ActionId::LoCase, &MainWindow::OnLoCase, DuringReplaceAll::Refused},
    {ActionId::InvertCase, &MainWindow::OnInvertCase, DuringReplaceAll::Refused},
    {ActionId::CapWords, &MainWindow::OnCapWords, DuringReplaceAll::Refused},
    {ActionId::CaseCyc, &MainWindow::OnCaseCyc, DuringReplaceAll::Refused},
    {ActionId::LO_12, &MainWindow::OnLayout12, DuringReplaceAll::Refused},
    {ActionId::LO_21, &MainWindow::OnLayout21, DuringReplaceAll::Refused},
    {ActionId::LO_13, &MainWindow::OnLayout13, DuringReplaceAll::Refused},
    {ActionId::LO_31, &MainWindow::OnLayout31, DuringReplaceAll::Refused},
    {ActionId::LO_23, &MainWindow::OnLayout23, DuringReplaceAll::Refused},
    {ActionId::LO_32, &MainWindow::OnLayout32, DuringReplaceAll::Refused},
    {ActionId::Settings, &MainWindow::OnSettings},
    {ActionId::ClearRecent, &MainWindow::OnClearRecent},
    {ActionId::Help, &MainWindow::OnHelp},
    {ActionId::History, &MainWindow::OnHistory},
    {ActionId::Readme, &MainWindow::OnReadme},
};

void MainWindow::CreateActions() {
  for (const ActionRow& row : Actions()) {
    auto* act = new QAction(this);
    act->setObjectName(QString::fromLatin1(row.name));
    act->setShortcutContext(Qt::WindowShortcut);
    act->setEnabled(false);  // until its feature is there
    addAction(act);          // keys work even when the menu bar is hidden
    actions_[static_cast<std::size_t>(row.id)] = act;
  }
  for (const HandlerRow& row : kHandlers) {
    QAction* act = action(row.id);
    act->setEnabled(true);
    connect(act, &QAction::triggered, this, [this, row] {
      if (row.during == DuringReplaceAll::Refused && TextLocked()) return;
      (this->*row.handler)();
    });
  }
  action(ActionId::WW)->setCheckable(true);
  action(ActionId::RO)->setCheckable(true);
}

void MainWindow::RetranslateActions() {
  for (const ActionRow& row : Actions())
    action(row.id)->setText(BytesToQString(ActionCaption(row.id, settings_)));
  for (LayoutAction which : kLayoutActions)
    action(ActionOfLayout(which))->setVisible(IsLayoutActionVisible(which, settings_.LOCount));
  for (const MenuDef& def : Menus())
    if (QMenu* m = menu(def.id); m != nullptr && def.heading != nullptr)
      m->setTitle(Tr(def.heading));
  // Help, history and readme only when their files are there.
  action(ActionId::Help)->setEnabled(language_.helpExists);
  action(ActionId::History)->setEnabled(language_.historyExists);
  action(ActionId::Readme)->setEnabled(language_.readmeExists);
  ApplyHotKeys();
  RetranslateStatusBar();
}

void MainWindow::ApplyHotKeys() {
  for (const ActionRow& row : Actions()) {
    QAction* act = action(row.id);
    const KeyStroke& key = hotKeys_.Key(row.id);
    act->setShortcuts(ShortcutsFor(key));
    // Menus show the key as hotkeys.ini and the key list write it.
    const std::string text = KeyText(key);
    const QString caption = act->text().section(QLatin1Char('\t'), 0, 0);
    act->setText(text.empty() ? caption : caption + QLatin1Char('\t') + QString::fromLatin1(text.c_str()));
  }
}

QMenu* MainWindow::BuildMenu(MenuId id) {
  QMenu*& slot = menus_[static_cast<std::size_t>(id)];
  if (slot != nullptr) return slot;  // shared submenus are built once
  const MenuDef& def = MenuOf(id);
  slot = new QMenu(this);
  for (const MenuEntry& entry : def.entries) {
    switch (entry.kind) {
      case EntryKind::Action: slot->addAction(action(entry.action)); break;
      case EntryKind::Separator: slot->addSeparator(); break;
      case EntryKind::Submenu: slot->addMenu(BuildMenu(entry.submenu)); break;
    }
  }
  if (def.generated) slot->setEnabled(false);  // filled by the feature that owns it
  return slot;
}

void MainWindow::CreateMenus() {
  for (MenuId id : MainMenuBar()) menuBar()->addMenu(BuildMenu(id));
  percentItem_ = menuBar()->addAction(QString());
  percentItem_->setObjectName(QStringLiteral("MenuPerc"));
  connect(percentItem_, &QAction::triggered, this, [this] { goTo_->ShowCentred(GoToMode::Percent); });
  BuildMenu(MenuId::EditorPopup);
  BuildMenu(MenuId::ExtendedPopup);
  BuildMenu(MenuId::EncodingPopup);
}

}  // namespace plumex
