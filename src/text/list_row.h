// Column list rows: list texts that carry their own column layout.
//
// A row is a sequence of columns, each a 12-character layout string
// ("%140!210!RR%": start and end in pixels, alignment letter, colour letter)
// followed by its text, and ends with the terminator "%000!000!SB%". A date
// column's text starts with a hidden sort key "|MMDD|" so rows sort by date
// whatever the display order; a row may carry one hidden record id
// "@%08u@". Names and descriptions never hold '%', '|' or '@', so these
// marks cannot be confused with user text.
//
// The builder keeps every row within kMaxRowLength, terminator included: a
// column text that would run past it is cut short, and a column, sort key or
// id that no longer fits whole is left out. So that a damaged account can
// never produce a row the renderer misreads, a column text never holds the
// marks either: '%', '|' and '@' in it are shown as '?', and an empty text
// is written as one space.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace purso {

inline constexpr std::string_view kRowEnd = "%000!000!SB%";
inline constexpr std::size_t kLayoutLength = 12;
// The renderer holds a row in 272 bytes, terminator included.
inline constexpr std::size_t kMaxRowLength = 271;

// Builds one row, column by column.
class CListRowBuilder {
 public:
  // A column: its layout string and its text.
  CListRowBuilder& Column(std::string_view layout, std::string_view text);
  // A date column: the layout, the hidden sort key of the date, the shown text.
  CListRowBuilder& DateColumn(std::string_view layout, double monthDay, std::string_view dateText);
  // The hidden record id, appended where the list places it.
  CListRowBuilder& Id(std::uint32_t rowId);
  // The finished row, with the terminator; the builder is left empty for
  // the next row.
  std::string Finish();

 private:
  std::string row_;
};

// "|MMDD|" for a month-day number; "|0000|" for a number outside 0..9999,
// so that the key is always six characters.
std::string SortKey(double monthDay);
// "@%08u@": ten characters for ids below 100000000.
std::string HiddenId(std::uint32_t rowId);

// The record id of a row: the number after its first '@'; none when the row
// holds no '@', or no digits or a number beyond 32 bits follow it.
std::optional<std::uint32_t> ReadRowId(std::string_view row);

// The text of the column whose layout begins with layoutStart ("%480"): the
// characters after its 12-character layout string up to the next '%'.
// Empty when the row has no such column.
std::string ReadColumnText(std::string_view row, std::string_view layoutStart);

// Index of the first row whose id equals rowId; -1 when none does.
int FindRowById(const std::vector<std::string>& rows, std::uint32_t rowId);

// The order of list rows: the case-insensitive comparison of whole texts.
int CompareRows(std::string_view a, std::string_view b);

}  // namespace purso
