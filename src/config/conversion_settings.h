#pragma once
// The one place where the conversion tables meet the settings record.
#include "config/settings.h"
#include "convert/conversion_tables.h"

namespace plumex {

// The tables of the settings record: ECODINGS, CASE and AUTODETECT.
ConversionTables TablesFromSettings(const Settings& settings);

}  // namespace plumex
