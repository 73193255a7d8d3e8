#pragma once
#include <QString>

namespace plumex {

// The current date in the system's short form, a blank, and the time; the
// seconds only when asked for.
QString DateTimeText(bool withSeconds);

}  // namespace plumex
