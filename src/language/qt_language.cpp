#include "language/qt_language.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include "platform/qt_text.h"
#include "language/language_table.h"

namespace plumex {
namespace {

constexpr char kKeyProperty[] = "plumexTextKey";

const LanguageTable* inForce = nullptr;

void ShowKeyedText(QWidget* widget) {
  const QByteArray key = widget->property(kKeyProperty).toByteArray();
  if (key.isEmpty()) return;
  const QString text = Tr(key.constData());
  if (auto* button = qobject_cast<QAbstractButton*>(widget))
    button->setText(text);
  else if (auto* label = qobject_cast<QLabel*>(widget))
    label->setText(text);
  else if (auto* group = qobject_cast<QGroupBox*>(widget))
    group->setTitle(text);
}

}  // namespace

void PutTextsInForce(const LanguageTable* texts) { inForce = texts; }

const LanguageTable& TextsInForce() {
  static const LanguageTable english;
  return inForce != nullptr ? *inForce : english;
}

QString Tr(const char* key) { return BytesToQString(TextsInForce().Text(key)); }

void SetTextKey(QWidget* widget, const char* key) {
  widget->setProperty(kKeyProperty, QByteArray(key));
  ShowKeyedText(widget);
}

void RetranslateKeyed(const QWidget& root) {
  for (QWidget* widget : root.findChildren<QWidget*>()) ShowKeyedText(widget);
}

QString BoxButtonText(BoxButton button) {
  switch (button) {
    case BoxButton::Yes: return Tr("tYes");
    case BoxButton::No: return Tr("tNo");
    case BoxButton::Cancel: return Tr("tCancel");
    case BoxButton::Ok: return Tr("tOK");
  }
  return {};
}

}  // namespace plumex
