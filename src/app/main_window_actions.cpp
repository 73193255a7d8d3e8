// The window's actions and menus, all derived from the action table and the
// menu layout.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/main_window.h"
#include "platform/qt_text.h"
#include "services/language_table.h"

namespace plumex {
namespace {

QKeySequence ShortcutFromText(std::string_view text) {
  QString portable = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  portable.replace(QStringLiteral("Enter"), QStringLiteral("Return"));
  return QKeySequence::fromString(portable, QKeySequence::PortableText);
}

LayoutAction LayoutActionOf(ActionId id) {
  return kLayoutActions[static_cast<std::size_t>(id) - static_cast<std::size_t>(ActionId::LO_12)];
}

std::string WithoutEllipsis(std::string caption) {
  while (!caption.empty() && (caption.back() == '.' || caption.back() == ' ')) caption.pop_back();
  return caption;
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
    act->setShortcut(ShortcutFromText(row.defaultKey));
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
  const LanguageTable& texts = Language();
  for (const ActionRow& row : Actions()) {
    std::string caption;
    switch (row.rule) {
      case CaptionRule::LanguageKey: caption = texts.Text(row.caption); break;
      case CaptionRule::LanguageKeyWithoutEllipsis:
        caption = WithoutEllipsis(texts.Text(row.caption));
        break;
      case CaptionRule::Fixed: caption = row.caption; break;
      case CaptionRule::Layout: {
        const LayoutAction which = LayoutActionOf(row.id);
        const LayoutRepair repair(which, settings_.Layouts, settings_.LOCount);
        caption = repair.caption();
        action(row.id)->setVisible(IsLayoutActionVisible(which, settings_.LOCount));
        break;
      }
    }
    action(row.id)->setText(BytesToQString(caption));
  }
  for (const MenuDef& def : Menus())
    if (QMenu* m = menu(def.id); m != nullptr && def.heading != nullptr)
      m->setTitle(BytesToQString(texts.Text(def.heading)));
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
