#include "text/list_row.h"

#include <climits>
#include <cstdio>
#include <utility>

#include "data/no_case.h"

namespace purso {
namespace {

// Room for columns, keys and the id: the terminator always fits after them.
constexpr std::size_t kContentLimit = kMaxRowLength - kRowEnd.size();
constexpr std::size_t kHiddenIdLength = 10;

char Shown(char c) { return (c == '%' || c == '|' || c == '@') ? '?' : c; }

// Appends a layout, an optional hidden key and at least one character of
// text, or nothing when not even that fits.
void AppendColumn(std::string& row, std::string_view layout, std::string_view key, std::string_view text) {
  if (row.size() + layout.size() + key.size() + 1 > kContentLimit) return;
  row += layout;
  row += key;
  if (text.empty()) {
    row += ' ';
    return;
  }
  const std::size_t room = kContentLimit - row.size();
  for (const char c : text.substr(0, room)) row += Shown(c);
}

}  // namespace

CListRowBuilder& CListRowBuilder::Column(std::string_view layout, std::string_view text) {
  AppendColumn(row_, layout, {}, text);
  return *this;
}

CListRowBuilder& CListRowBuilder::DateColumn(std::string_view layout, double monthDay, std::string_view dateText) {
  AppendColumn(row_, layout, SortKey(monthDay), dateText);
  return *this;
}

CListRowBuilder& CListRowBuilder::Id(std::uint32_t rowId) {
  const std::string id = HiddenId(rowId);
  if (row_.size() + id.size() <= kContentLimit) row_ += id;
  return *this;
}

std::string CListRowBuilder::Finish() {
  std::string row = std::move(row_);
  row_.clear();
  row += kRowEnd;
  return row;
}

std::string SortKey(double monthDay) {
  const unsigned n = (monthDay >= 0.0 && monthDay < 10000.0) ? static_cast<unsigned>(monthDay) : 0u;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "|%02u%02u|", n / 100, n % 100);
  return buffer;
}

std::string HiddenId(std::uint32_t rowId) {
  char buffer[kHiddenIdLength + 8];
  std::snprintf(buffer, sizeof buffer, "@%08u@", static_cast<unsigned>(rowId));
  return buffer;
}

std::optional<std::uint32_t> ReadRowId(std::string_view row) {
  const std::size_t at = row.find('@');
  if (at == std::string_view::npos) return std::nullopt;
  std::uint64_t value = 0;
  std::size_t i = at + 1;
  for (; i < row.size() && row[i] >= '0' && row[i] <= '9'; ++i) {
    value = value * 10 + static_cast<std::uint64_t>(row[i] - '0');
    if (value > UINT32_MAX) return std::nullopt;
  }
  if (i == at + 1) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

std::string ReadColumnText(std::string_view row, std::string_view layoutStart) {
  const std::size_t at = row.find(layoutStart);
  if (at == std::string_view::npos || row.size() - at < kLayoutLength) return {};
  const std::size_t begin = at + kLayoutLength;
  const std::size_t end = row.find('%', begin);
  return std::string(row.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin));
}

int FindRowById(const std::vector<std::string>& rows, std::uint32_t rowId) {
  for (std::size_t i = 0; i < rows.size() && i <= static_cast<std::size_t>(INT_MAX); ++i) {
    if (ReadRowId(rows[i]) == rowId) return static_cast<int>(i);
  }
  return -1;
}

int CompareRows(std::string_view a, std::string_view b) { return CompareNoCase(a, b); }

}  // namespace purso
