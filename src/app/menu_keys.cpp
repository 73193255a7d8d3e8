#include "app/menu_keys.h"

#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>

namespace plumex {
namespace {

// The toolkit's own styles on this system leave Alt alone; the bar needs it.
class AltNavigationStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_MenuBar_AltKeyNavigation) return 1;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

}  // namespace

MenuKeys::MenuKeys(QMenuBar& bar) : QObject(&bar), bar_(bar), f10_(new QShortcut(QKeySequence(Qt::Key_F10), bar.window())) {
  auto* style = new AltNavigationStyle;
  style->setParent(this);
  bar.setStyle(style);
  f10_->setContext(Qt::WindowShortcut);
  connect(f10_, &QShortcut::activated, this, &MenuKeys::FocusBar);
}

void MenuKeys::SetF10Free(bool free) { f10_->setEnabled(free); }

void MenuKeys::FocusBar() {
  // The first menu opens; Esc closes it and leaves the bar in its keyboard
  // mode, a second Esc gives the focus back to the text.
  if (!bar_.actions().isEmpty()) bar_.setActiveAction(bar_.actions().first());
}

}  // namespace plumex
