#pragma once
// The character map: a small window, on top of the others, with a button for
// each byte of the map's range shown as its Windows-1251 character. Pointing
// at a button shows it large with its code; a click (mouse or keyboard)
// inserts it; its pop-up inserts, copies or adds it to the special
// characters. Built once; shown and hidden after that.
#include <QDialog>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QToolButton;

namespace plumex {

class CharMap : public QDialog {
  Q_OBJECT

 public:
  // Buttons for the codes StartCharMap to one past EndCharMap, as stored.
  CharMap(int start, int end, QWidget* parent);

  // Shows the map in the editor's font family without taking the focus
  // from the text.
  void ShowWithFont(const QFont& editorFont);
  void Retranslate();

  const std::vector<QToolButton*>& buttons() const { return buttons_; }
  QLabel* preview() const { return preview_; }
  QStatusBar* codeLine() const { return codeLine_; }
  QMenu* buttonMenu() const { return menu_; }

 signals:
  void insertRequested(unsigned char code);
  void addToSpecialRequested(unsigned char code);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddButton(QWidget* grid, int index, unsigned char code);
  void ShowCode(unsigned char code);

  std::vector<QToolButton*> buttons_;
  QWidget* grid_ = nullptr;
  QLabel* preview_ = nullptr;      // pnlChar
  QStatusBar* codeLine_ = nullptr;  // statbarCharMap
  QMenu* menu_ = nullptr;          // pmCharMap
  QAction* insert_ = nullptr;
  QAction* copy_ = nullptr;
  QAction* addToSpecial_ = nullptr;
  unsigned char menuCode_ = 0;  // the button whose pop-up is open
};

}  // namespace plumex
