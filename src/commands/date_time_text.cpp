#include "commands/date_time_text.h"

#include <QDateTime>
#include <QLocale>

namespace plumex {

QString DateTimeText(bool withSeconds) {
  const QLocale locale = QLocale::system();
  const QDateTime now = QDateTime::currentDateTime();
  // The locale's short time format has no seconds; its long one adds a zone.
  QString time = locale.timeFormat(QLocale::ShortFormat);
  if (withSeconds && !time.contains(QLatin1Char('s'))) {
    const qsizetype minutes = time.lastIndexOf(QStringLiteral("mm"));
    time.insert(minutes + 2, QStringLiteral(":ss"));
  }
  return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
         locale.toString(now.time(), time);
}

}  // namespace plumex
