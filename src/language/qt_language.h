#pragma once
// The language table's texts as the widgets show them.
#include <QString>

namespace plumex {

QString Tr(const char* key);

}  // namespace plumex
