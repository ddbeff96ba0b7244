// Name rules of the three master lists: objects, functional areas, categories.
//
// A name is 1 to 24 single-byte characters, holds none of the reserved
// characters '%', '|' and '@' (they drive the list row grammar), and is
// unique within its table in the case-insensitive sense of no_case.h.
// Nothing is trimmed: blanks count, and a name of blanks only is valid.
//
// CheckName runs a list's checks in their fixed order and gives the first
// failure as the problem/suggestion pair the calling dialog reports; each
// list and command has its own wording, kept here. The checks never change
// a table's rows; NameInUse leaves the table with its conditions cleared.
//
// Names and NameOf read a table's names by row index for the lists that
// show them, leaving its cursor and conditions alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/record_table.h"
#include "resources/translatable.h"

namespace purso {

enum class NameList { kObjects, kFunctionalAreas, kCategories };
enum class NameCommand { kAdd, kUpdate };

// A name field is read as at most this many characters.
inline constexpr std::size_t kNameReadLength = 79;
// The longest name the 24-character name field holds.
inline constexpr std::size_t kMaxNameLength = 24;

// The suggestion for every text that holds a reserved character.
inline constexpr std::string_view kReservedSuggestion =
    PURSO_TEXT("NameRules", "Remove the '%', '|' & '@' characters.");

// A rejected input: what is wrong, and what the user should do about it.
struct NameProblem {
  std::string problem;
  std::string suggestion;

  friend bool operator==(const NameProblem&, const NameProblem&) = default;
};

// The wording of one list's checks for one command. The too-long problem
// holds two "%u": the current length, then the maximum.
struct NameMessages {
  std::string_view reservedProblem;
  std::string_view emptyProblem;
  std::string_view emptySuggestion;
  std::string_view tooLongProblem;
  std::string_view tooLongSuggestion;
  std::string_view inUseProblem;
  std::string_view inUseSuggestion;
};

const NameMessages& NameMessagesFor(NameList list, NameCommand command);

// True when a row of table has a column 0 equal to text, ignoring the case
// of A-Z. Uses the table's selection conditions and clears them again.
bool NameInUse(CRecordTable& table, std::string_view text);

// The row id of the first row whose column 0 equals text, ignoring the case
// of A-Z; none when no row does. Leaves the table with its conditions
// cleared and its cursor on the row found.
std::optional<std::uint32_t> FindName(CRecordTable& table, std::string_view text);

// The names of the table's rows, in table order.
std::vector<std::string> Names(const CRecordTable& table);

// The name of the row with that id; none when the table has no such row.
std::optional<std::string_view> NameOf(const CRecordTable& table, std::uint32_t rowId);

// Checks a typed name for the list's table. Only the first kNameReadLength
// characters of typed are looked at (the field read may hand over more).
//
// In order, the first failure deciding: reserved characters; empty; longer
// than kMaxNameLength (the length reported is that of the part looked at);
// in use. For kUpdate, oldName is the record's present name, and a new name
// equal to it (ignoring case) is not counted as in use; for kAdd, oldName is
// not used.
//
// Nothing when the name may be stored, else the pair to report.
std::optional<NameProblem> CheckName(CRecordTable& table, std::string_view typed, NameList list, NameCommand command,
                                     std::string_view oldName = {});

}  // namespace purso
