// Find and replace, go to, the quick bookmark, Delete Line and the recent
// files, as the window hands them on.
#include <QAction>
#include <QMenu>

#include "app/main_window.h"
#include "app/status_bar.h"
#include "commands/find_replace.h"
#include "commands/go_to_dialog.h"
#include "commands/line_commands.h"
#include "platform/editor_widget.h"
#include "platform/prompter.h"

namespace plumex {

bool MainWindow::TextLocked() const { return finder_ != nullptr && finder_->ReplaceAllRunning(); }

void MainWindow::OnFind() { finder_->ShowFind(); }
void MainWindow::OnReplace() { finder_->ShowReplace(); }
void MainWindow::OnFindNext() { finder_->FindNext(); }
void MainWindow::OnGoTo() { goTo_->ShowCentred(GoToMode::Line); }
void MainWindow::OnSetBookmark() { SetQuickBookmark(*editor_, settings_); }

void MainWindow::OnGoToBookmark() {
  ShowQuickBookmark(*editor_, settings_);
  RefreshStatus();
}

void MainWindow::OnDeleteLine() {
  if (editor_->SelLength() == 0 && DeleteLine(*editor_)) RefreshStatus();
}

void MainWindow::ShowGoToAt(GoToMode mode, const QWidget* pane, int offset) {
  const QPoint left = pane->mapToGlobal(QPoint(offset, 0));
  const int top = y() + height() - goTo_->height() - status_->height() - 7;
  goTo_->ShowAt(mode, QPoint(left.x(), top));
}

void MainWindow::AddToRecent() {
  if (doc_.Untitled) return;
  recent_.AddToRecent(doc_.Path());
  BuildRecentMenu();
}

void MainWindow::BuildRecentMenu() {
  QMenu* items = menu(MenuId::Recent);
  items->clear();
  for (const RecentEntry& entry : recent_.MenuEntries()) {
    QString path = QString::fromStdString(entry.path);
    // "&" in a path would be taken for a mnemonic.
    QAction* item = items->addAction(QString::number(entry.index) + ". " +
                                     path.replace(QLatin1Char('&'), QStringLiteral("&&")));
    // The item keeps its own path: a list of more than ten lines must not
    // let item "10." open line 1.
    // Queued: opening rebuilds this menu, which deletes the clicked item.
    connect(item, &QAction::triggered, this, [this, file = entry.path] { OpenRecent(file); },
            Qt::QueuedConnection);
  }
  items->setEnabled(!recent_.Empty());
}

void MainWindow::OpenRecent(const std::string& path) {
  if (TextLocked() || !ConfirmDiscard()) return;
  if (settings_.IsNewWindow) {
    StartInstance(QString::fromStdString(path));
    AddToRecent();
  } else {
    OpenHere(QString::fromStdString(path));
  }
  RefreshStatus();
  RefreshSize();
}

void MainWindow::OnClearRecent() {
  recent_.Clear();
  BuildRecentMenu();
}

}  // namespace plumex
