#include "platform/qt_clipboard_watcher.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace plumex {

QtClipboardWatcher::QtClipboardWatcher(QObject* parent) : QObject(parent) {
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &QtClipboardWatcher::Changed);
}

void QtClipboardWatcher::SetText(std::u16string_view text) {
  QGuiApplication::clipboard()->setText(
      QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size())));
}

void QtClipboardWatcher::Changed() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
  if (data == nullptr || data->hasImage() || !data->hasText()) return;
  QMetaObject::invokeMethod(
      this, [this, text = data->text().toStdU16String()]() mutable {
        if (handler_) handler_(std::move(text));
      },
      Qt::QueuedConnection);
}

}  // namespace plumex
