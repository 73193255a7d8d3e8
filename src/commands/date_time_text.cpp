#include "commands/date_time_text.h"

#include <QDateTime>
#include <QLocale>
#include <vector>

#include "convert/win1251.h"

namespace plumex {
namespace {

// A run of one pattern letter ("mm", "AP" is two), or literal text as the
// pattern writes it, quotes included.
struct Piece {
  QString source;
  bool field = false;
  bool Is(char letter) const { return field && source.front() == QLatin1Char(letter); }
  bool Blank() const { return !field && source.trimmed().isEmpty(); }
};

std::vector<Piece> Pieces(const QString& pattern) {
  std::vector<Piece> pieces;
  const qsizetype n = pattern.size();
  for (qsizetype i = 0; i < n;) {
    const QChar c = pattern[i];
    qsizetype j = i + 1;
    const bool field = c.isLetter() && c.unicode() < 128;
    if (field) {
      while (j < n && pattern[j] == c) ++j;
    } else if (c == QLatin1Char('\'')) {
      // A quoted literal ends at a single quote; '' inside is a quote.
      for (; j < n; ++j) {
        if (pattern[j] != c) continue;
        if (j + 1 < n && pattern[j + 1] == c) {
          ++j;
          continue;
        }
        ++j;
        break;
      }
    } else {
      while (j < n && pattern[j] != QLatin1Char('\'') && !(pattern[j].isLetter() && pattern[j].unicode() < 128)) ++j;
    }
    pieces.push_back({pattern.mid(i, j - i), field});
    i = j;
  }
  return pieces;
}

// The long time pattern without the zone, and without seconds (and their
// separator) when they are not wanted.
QString TimePattern(const QLocale& locale, bool withSeconds) {
  std::vector<Piece> pieces = Pieces(locale.timeFormat(QLocale::LongFormat));
  for (std::size_t k = 0; k < pieces.size();) {
    const bool zone = pieces[k].Is('t');
    if (!zone && (withSeconds || !(pieces[k].Is('s') || pieces[k].Is('z')))) {
      ++k;
      continue;
    }
    pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(k));
    const bool separatorBefore = k >= 2 && !pieces[k - 1].field && pieces[k - 2].field;
    if (zone ? k >= 1 && pieces[k - 1].Blank() : separatorBefore) {
      pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(--k));
    } else if (zone && k < pieces.size() && pieces[k].Blank()) {
      pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(k));
    }
  }
  QString pattern;
  for (const Piece& piece : pieces) pattern += piece.source;
  return pattern;
}

bool ToWin1251(const QString& text, std::string& bytes) {
  bytes.clear();
  for (QChar c : text) {
    const char16_t ch = c.category() == QChar::Separator_Space ? u' ' : c.unicode();
    const int byte = UnicodeToWin1251(ch);
    if (byte < 0) return false;
    bytes += static_cast<char>(byte);
  }
  return true;
}

}  // namespace

std::string DateTimeText(const QDateTime& instant, const QLocale& locale, bool withSeconds) {
  const QString text = locale.toString(instant.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                       locale.toString(instant.time(), TimePattern(locale, withSeconds))
                           .remove(QStringLiteral("()"))
                           .trimmed();
  std::string bytes;
  if (ToWin1251(text, bytes)) return bytes;
  const QString plain = withSeconds ? QStringLiteral("yyyy-MM-dd HH:mm:ss") : QStringLiteral("yyyy-MM-dd HH:mm");
  return QLocale::c().toString(instant, plain).toStdString();
}

std::string DateTimeText(bool withSeconds) {
  return DateTimeText(QDateTime::currentDateTime(), QLocale::system(), withSeconds);
}

}  // namespace plumex
