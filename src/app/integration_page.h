#pragma once
// The settings dialog's Integration page: the file types Plumex opens, the
// browser's view-source editor and the code-page patch. Every control acts
// at once through FileTypes. The list is rebuilt from the system each time
// the page is shown, so types another program took meanwhile are gone.
#include <QWidget>
#include <string>

#include "config/settings.h"
#include "platform/file_types.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;

namespace plumex {

class IntegrationPage : public QWidget {
  Q_OBJECT

 public:
  IntegrationPage(Settings& settings, FileTypes& fileTypes, QWidget* parent);

  // The add button, and Enter anywhere on the page: registers the typed
  // extension, or selects its line when it is listed already.
  void AddTyped();
  // The remove button, a double-click on the list, Delete on the list.
  void RemoveSelected();
  void UseDefault();  // actDefExts
  void ClearList();   // actClearExts

  // Captions, hints and the type texts of the list in the language in force.
  void Retranslate();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* BuildFileTypes();
  // Lists settings.ExtsList, each line carrying its extension, and selects
  // `ext`'s line, else the line at `row` or the last one.
  void Rebuild(const std::string& ext, int row = 0);
  void ShowIcon();

  Settings& settings_;
  FileTypes& fileTypes_;
  QListWidget* list_ = nullptr;      // lbExt
  QLineEdit* typed_ = nullptr;       // eUserExt
  QToolButton* add_ = nullptr;       // rsbExtAdd
  QToolButton* remove_ = nullptr;    // rsbExtRemove
  QLabel* icon_ = nullptr;           // imgIcon
  QCheckBox* viewSource_ = nullptr;  // chbxIntegrIE
  QCheckBox* codePage_ = nullptr;    // chbx1251
  QAction* useDefault_ = nullptr;
  QAction* clearList_ = nullptr;
};

}  // namespace plumex
