#include "app/settings_font_panels.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QMouseEvent>
#include <algorithm>

#include "platform/qt_text.h"

namespace plumex {
namespace {

template <class Record>
QFont FontOf(const Record& record) {
  QFont font(BytesToQString(record.Name));
  font.setPointSize(std::max(1, record.Size));
  font.setBold(record.Bold);
  font.setItalic(record.Italic);
  if constexpr (requires { record.Underline; }) {
    font.setUnderline(record.Underline);
    font.setStrikeOut(record.StrikeOut);
  }
  return font;
}

// The character set and the colour stay: the font dialog chooses neither.
template <class Record>
void TakeFont(const QFont& font, Record& record) {
  record.Name = QStringToBytes(font.family());
  if (font.pointSize() > 0) record.Size = font.pointSize();
  record.Bold = font.bold();
  record.Italic = font.italic();
  if constexpr (requires { record.Underline; }) {
    record.Underline = font.underline();
    record.StrikeOut = font.strikeOut();
  }
}

}  // namespace

FontChoosers FontChoosers::Standard() {
  return {
      [](const QFont& current, QWidget* parent) -> std::optional<QFont> {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, current, parent);
        return ok ? std::optional(chosen) : std::nullopt;
      },
      [](const QColor& current, QWidget* parent) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(current, parent);
        return chosen.isValid() ? std::optional(chosen) : std::nullopt;
      },
  };
}

QColor ColorFromRef(int colorRef) {
  return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

int ColorRefOf(const QColor& color) { return color.red() | color.green() << 8 | color.blue() << 16; }

FontPanel::FontPanel(const DialogBinding& binding, Settings& settings, SettingsHost& host,
                     const FontChoosers& choosers, QWidget* parent)
    : QLabel(parent), binding_(binding), settings_(settings), host_(host), choosers_(choosers) {
  setObjectName(QString::fromLatin1(binding.name));
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  setMinimumHeight(36);
  setCursor(Qt::PointingHandCursor);
}

void FontPanel::Fill() {
  const bool printer = binding_.control == DialogControl::PrinterFont;
  QPalette colors = palette();
  colors.setColor(QPalette::Window, ColorFromRef(settings_.UserStyle.BackColor));
  colors.setColor(QPalette::WindowText,
                  ColorFromRef(printer ? settings_.PrintFont.Color : settings_.UserStyle.Color));
  setPalette(colors);
  setFont(printer ? FontOf(settings_.PrintFont) : FontOf(settings_.UserStyle));
}

void FontPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Choose();
  QLabel::mouseReleaseEvent(event);
}

// A cancelled dialog changes nothing.
void FontPanel::Choose() {
  if (binding_.control == DialogControl::BackColor) {
    const auto chosen = choosers_.color(ColorFromRef(settings_.UserStyle.BackColor), this);
    if (!chosen) return;
    settings_.UserStyle.BackColor = ColorRefOf(*chosen);
  } else if (!ChooseFont()) {
    return;
  }
  if (binding_.effect != SettingEffect::None) host_.SettingApplied(binding_.effect);
  emit changed();
}

bool FontPanel::ChooseFont() {
  const auto choose = [this](auto& record) {
    const std::optional<QFont> chosen = choosers_.font(FontOf(record), this);
    if (chosen) TakeFont(*chosen, record);
    return chosen.has_value();
  };
  return binding_.control == DialogControl::PrinterFont ? choose(settings_.PrintFont)
                                                        : choose(settings_.UserStyle);
}

}  // namespace plumex
