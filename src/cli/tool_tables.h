#pragma once
// The tables the text tool works with: the user's, as the editor has them.
#include <iosfwd>

#include "convert/conversion_tables.h"

namespace plumex {

// From the user's settings file when there is one (the folder the editor
// uses, $PLUMEX_HOME included), the built-in tables otherwise. The file is
// only read. A file that exists but cannot be read is reported on `err`
// and the built-in tables are used.
ConversionTables LoadToolTables(std::ostream& err);

}  // namespace plumex
