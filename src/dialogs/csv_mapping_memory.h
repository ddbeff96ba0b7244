// The columns chosen for CSV statements, remembered per column layout in the
// per-user settings, so that the next statement of the same bank opens with
// them.
//
// A layout is the first line of the table (its header row, or its first
// transaction): the column names when it names them (letter case and
// blanks at either end ignored), else only the number of columns. A mapping is remembered with its columns as numbers,
// which stand for the same columns in any file of that layout, its header choice, date order and decimal symbol; the
// separator and where the table begins are always guessed anew. Entries live in the section "Statement Columns", one
// key per layout.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/settings_store.h"
#include "statement/csv_statement_reader.h"

namespace purso {

// The mapping remembered for a file whose first line holds these fields
// (UTF-8): the one for its names, else the one for an unnamed layout of as
// many columns; none when neither is there or an entry is damaged.
std::optional<CsvMapping> RecallCsvMapping(const ISettingsStore& store, const std::vector<std::string>& firstLine);

// Remembers mapping, whose columns are numbers, for the layout of the file
// whose first line holds these fields: by their names when mapping reads
// the first line as names, else by their count.
void RememberCsvMapping(ISettingsStore& store, const std::vector<std::string>& firstLine, const CsvMapping& mapping);

}  // namespace purso
