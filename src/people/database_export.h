// A people database as a table for spreadsheets, which the import reads back.
#pragma once

#include <string>

#include "core/globals.h"

// "Name,Date of birth", then a row per person in the database's own order. A date of birth is
// written yyyy-mm-dd; a text that is no date is written as the database keeps it.
std::string DatabaseCsv(const PeopleDatabase& database);
