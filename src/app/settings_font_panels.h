#pragma once
// The Interface page's samples of the user-defined scheme's font and
// background and of the printer font: a click opens the font or colour
// dialog, and what the user chooses goes into the settings record.
#include <QColor>
#include <QFont>
#include <QLabel>
#include <functional>
#include <optional>

#include "app/settings_host.h"
#include "config/settings.h"

namespace plumex {

// The font and colour dialogs; tests give their own answers.
struct FontChoosers {
  std::function<std::optional<QFont>(const QFont& current, QWidget* parent)> font;
  std::function<std::optional<QColor>(const QColor& current, QWidget* parent)> color;
  // The system's dialogs.
  static FontChoosers Standard();
};

// The settings file keeps colours as 0x00BBGGRR, red in the low byte.
QColor ColorFromRef(int colorRef);
int ColorRefOf(const QColor& color);

class FontPanel : public QLabel {
  Q_OBJECT

 public:
  // `binding` is an EditorFont, PrinterFont or BackColor row's.
  FontPanel(const DialogBinding& binding, Settings& settings, SettingsHost& host,
            const FontChoosers& choosers, QWidget* parent);

  // Shows the record's font on the user-defined background.
  void Fill();

 signals:
  // A font or colour was chosen and stored.
  void changed();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Choose();
  bool ChooseFont();

  const DialogBinding& binding_;
  Settings& settings_;
  SettingsHost& host_;
  const FontChoosers& choosers_;
};

}  // namespace plumex
