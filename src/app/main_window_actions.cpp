// The window's actions and menus, all derived from the action table and the
// menu layout.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/main_window.h"
#include "platform/qt_text.h"
#include "config/key_text.h"
#include "config/qt_keys.h"
#include "services/language_files.h"
#include "services/language_table.h"

namespace plumex {
namespace {

ActionId ActionOfLayout(LayoutAction which) {
  return static_cast<ActionId>(static_cast<int>(ActionId::LO_12) + static_cast<int>(which));
}

}  // namespace

const MainWindow::HandlerRow MainWindow::kHandlers[] = {
    {ActionId::New, &MainWindow::OnNew},
    {ActionId::NewWnd, &MainWindow::OnNewWindow},
    {ActionId::Open, &MainWindow::OnOpen},
    {ActionId::Save, &MainWindow::OnSave},
    {ActionId::SaveAs, &MainWindow::OnSaveAs},
    {ActionId::SaveSelAs, &MainWindow::OnSaveSelAs},
    {ActionId::Exit, &MainWindow::OnExit},
    {ActionId::Undo, &MainWindow::OnUndo},
    {ActionId::Redo, &MainWindow::OnRedo},
    {ActionId::Cut, &MainWindow::OnCut},
    {ActionId::Copy, &MainWindow::OnCopy},
    {ActionId::Paste, &MainWindow::OnPaste},
    {ActionId::Del, &MainWindow::OnDelete},
    {ActionId::SelAll, &MainWindow::OnSelectAll},
    {ActionId::WW, &MainWindow::OnWordWrap},
    {ActionId::RO, &MainWindow::OnReadOnly},
    {ActionId::IncFont, &MainWindow::OnIncFont},
    {ActionId::DecFont, &MainWindow::OnDecFont},
    {ActionId::NormFont, &MainWindow::OnNormFont},
    {ActionId::CopyURL, &MainWindow::OnCopyUrl},
    {ActionId::Settings, &MainWindow::OnSettings},
    {ActionId::DosToWin, &MainWindow::OnDosToWin},
    {ActionId::KoiToWin, &MainWindow::OnKoiToWin},
    {ActionId::MacToWin, &MainWindow::OnMacToWin},
    {ActionId::IsoToWin, &MainWindow::OnIsoToWin},
    {ActionId::WinToDos, &MainWindow::OnWinToDos},
    {ActionId::WinToKoi, &MainWindow::OnWinToKoi},
    {ActionId::WinToMac, &MainWindow::OnWinToMac},
    {ActionId::WinToIso, &MainWindow::OnWinToIso},
    {ActionId::Detect, &MainWindow::OnDetect},
    {ActionId::PopMenuEncoding, &MainWindow::ShowEncodingMenu},
    {ActionId::UpCase, &MainWindow::OnUpCase},
    {ActionId::LoCase, &MainWindow::OnLoCase},
    {ActionId::InvertCase, &MainWindow::OnInvertCase},
    {ActionId::CapWords, &MainWindow::OnCapWords},
    {ActionId::CaseCyc, &MainWindow::OnCaseCyc},
    {ActionId::ToTrans, &MainWindow::OnToTrans},
    {ActionId::FromTrans, &MainWindow::OnFromTrans},
    {ActionId::ToRuslit, &MainWindow::OnToRuslit},
    {ActionId::FromRuslit, &MainWindow::OnFromRuslit},
    {ActionId::LO_12, &MainWindow::OnLayout12},
    {ActionId::LO_21, &MainWindow::OnLayout21},
    {ActionId::LO_13, &MainWindow::OnLayout13},
    {ActionId::LO_31, &MainWindow::OnLayout31},
    {ActionId::LO_23, &MainWindow::OnLayout23},
    {ActionId::LO_32, &MainWindow::OnLayout32},
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
    connect(act, &QAction::triggered, this, row.handler);
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
      m->setTitle(BytesToQString(Language().Text(def.heading)));
  ApplyHotKeys();
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
  BuildMenu(MenuId::EditorPopup);
  BuildMenu(MenuId::ExtendedPopup);
  BuildMenu(MenuId::EncodingPopup);
}

}  // namespace plumex
