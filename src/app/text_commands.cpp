// The list files the window keeps, transliteration and keyboard layout repair.
#include "app/main_window.h"
#include "commands/transform_frame.h"
#include "platform/editor_widget.h"
#include "platform/system_facts.h"

namespace plumex {

void MainWindow::LoadLists() {
  lists_.clear();
  for (AuxList list : kAuxLists) {
    lists_.emplace_back(ProgramFolder() + std::string(AuxListFileName(list)));
    lists_.back().Load(AuxListDefaults(list));
  }
}

void MainWindow::SaveLists() {
  // Each list is written on its own; one failure does not stop the others.
  for (const ListFile& list : lists_) (void)list.Save();
}

void MainWindow::RebuildTextTables() {
  const auto& translit = lists_[static_cast<std::size_t>(AuxList::Translit)].lines();
  const auto& ruslit = lists_[static_cast<std::size_t>(AuxList::Ruslit)].lines();
  translit_ = std::make_unique<TranslitTables>(TranslitTables{
      TranslitTable(translit, TranslitDirection::Forward),
      TranslitTable(translit, TranslitDirection::Reverse),
      TranslitTable(ruslit, TranslitDirection::Forward),
      TranslitTable(ruslit, TranslitDirection::Reverse),
  });
}

void MainWindow::Transliterate(const TranslitTable& table) {
  RewriteWholeOrSelection(*editor_, doc_, [&table](std::string& text) { text = table.Apply(text); });
  RefreshStatus();
}

void MainWindow::RepairLayout(LayoutAction which) {
  const LayoutRepair repair(which, settings_.Layouts, settings_.LOCount);
  if (!repair.available()) return;
  if (RewriteSelection(*editor_, [&repair](std::string& text) { repair.ApplyInPlace(text); })) {
    RefreshStatus();
    repair.ActivateTarget(*keyboard_);
  }
}

void MainWindow::OnToTrans() { Transliterate(translit_->toTranslit); }
void MainWindow::OnFromTrans() { Transliterate(translit_->fromTranslit); }
void MainWindow::OnToRuslit() { Transliterate(translit_->toRuslit); }
void MainWindow::OnFromRuslit() { Transliterate(translit_->fromRuslit); }
void MainWindow::OnLayout12() { RepairLayout(LayoutAction::From1To2); }
void MainWindow::OnLayout21() { RepairLayout(LayoutAction::From2To1); }
void MainWindow::OnLayout13() { RepairLayout(LayoutAction::From1To3); }
void MainWindow::OnLayout31() { RepairLayout(LayoutAction::From3To1); }
void MainWindow::OnLayout23() { RepairLayout(LayoutAction::From2To3); }
void MainWindow::OnLayout32() { RepairLayout(LayoutAction::From3To2); }

}  // namespace plumex
