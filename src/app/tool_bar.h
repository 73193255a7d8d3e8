#pragma once
// The tool bar: a panel of picture buttons placed by the skin's pixels, each
// running one action of the window, with that action's caption as its hint.
#include <QWidget>
#include <functional>
#include <vector>

#include "app/picture_button.h"
#include "config/tool_bar_layout.h"
#include "model/action_table.h"

class QAction;
class QMainWindow;
class QMenu;

namespace plumex {

class PictureSource;

// What the buttons stand for.
struct ToolBarActions {
  std::function<QAction*(ActionId)> action;
  std::function<QString(ActionId)> hint;  // the caption in the language in force
  QMenu* encodingMenu = nullptr;          // dropped down by the encoding button
};

class ToolBar : public QWidget {
  Q_OBJECT

 public:
  ToolBar(ToolBarActions actions, QWidget* parent);

  // Destroys the buttons and builds those of the first bar.buttonsCount slots.
  void Build(const ToolBarParameters& bar, const ToolSlots& table, const PictureSource& pictures);
  const std::vector<PictureButton*>& buttons() const { return buttons_; }

 private:
  PictureButton* MakeSeparator(const ToolBarParameters& bar, QSize size);
  PictureButton* MakeButton(int number, bool fourPictures, QSize size, const PictureSource& pictures);

  ToolBarActions actions_;
  std::vector<PictureButton*> buttons_;
};

// Puts a tool bar above the window's central widget and returns it.
ToolBar* PutToolBarAbove(QMainWindow& window, ToolBarActions actions);

}  // namespace plumex
