#include "app/tool_bar.h"

#include <QAction>
#include <QMainWindow>
#include <QVBoxLayout>

#include "app/skin_pictures.h"

namespace plumex {

ToolBar::ToolBar(ToolBarActions actions, QWidget* parent) : QWidget(parent), actions_(std::move(actions)) {
  setObjectName(QStringLiteral("pnlTool"));
}

void ToolBar::Build(const ToolBarParameters& bar, const ToolSlots& table, const PictureSource& pictures) {
  for (PictureButton* button : buttons_) delete button;
  buttons_.clear();
  setFixedHeight(ToolBarHeight(bar));
  for (const ToolButtonPlace& place : PlaceToolButtons(bar, table)) {
    const QSize size(place.width, place.height);
    PictureButton* button =
        place.number == 0 ? MakeSeparator(bar, size) : MakeButton(place.number, bar.fourPictures, size, pictures);
    button->setObjectName(QStringLiteral("rsbTool%1").arg(buttons_.size() + 1));
    button->setGeometry(place.left, place.top, place.width, place.height);
    button->show();
    buttons_.push_back(button);
  }
}

PictureButton* ToolBar::MakeSeparator(const ToolBarParameters& bar, QSize size) {
  auto* separator = new PictureButton(0, true, this);
  QPixmap fill(size.expandedTo(QSize(1, 1)));
  fill.fill(bar.transparentSeparator ? palette().color(backgroundRole()) : palette().color(QPalette::Dark));
  separator->SetPictures({fill, {}, {}, fill, {}});
  separator->setEnabled(false);
  return separator;
}

PictureButton* ToolBar::MakeButton(int number, bool fourPictures, QSize size, const PictureSource& pictures) {
  auto* button = new PictureButton(number, fourPictures, this);
  button->SetPictures(pictures.Pictures(number, size));
  // Numbers come from a parsed layout, so each names an action.
  const ActionRow& row = *ActionOfNumber(number);
  const QString hint = actions_.hint(row.id);
  button->setToolTip(hint);
  if (button->pictures().Empty()) button->setText(hint);
  if (row.id == ActionId::PopMenuEncoding) {
    button->SetDropDown(actions_.encodingMenu);
    return button;
  }
  QAction* action = actions_.action(row.id);
  const auto follow = [button, action] { button->setEnabled(action->isEnabled()); };
  follow();
  connect(action, &QAction::changed, button, follow);
  connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
  return button;
}

ToolBar* PutToolBarAbove(QMainWindow& window, ToolBarActions actions) {
  QWidget* central = window.takeCentralWidget();
  auto* frame = new QWidget;
  auto* column = new QVBoxLayout(frame);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* bar = new ToolBar(std::move(actions), frame);
  column->addWidget(bar);
  column->addWidget(central);
  window.setCentralWidget(frame);
  return bar;
}

}  // namespace plumex
