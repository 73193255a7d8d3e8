#pragma once
// The text Date and Time inserts and the ".LOG" stamp appends: one instant's
// date in the locale's short form, a blank, and its time.
#include <string>

class QDateTime;
class QLocale;

namespace plumex {

// The time is the locale's long form without its zone, and without the
// seconds unless asked for; they go from the pattern, so a locale that puts
// AM/PM first keeps it. Unusual blanks become plain ones; a text with other
// characters Windows-1251 lacks is given as yyyy-MM-dd HH:mm[:ss] instead.
// Windows-1251 bytes.
std::string DateTimeText(const QDateTime& instant, const QLocale& locale, bool withSeconds);

// Now, in the system's locale.
std::string DateTimeText(bool withSeconds);

}  // namespace plumex
