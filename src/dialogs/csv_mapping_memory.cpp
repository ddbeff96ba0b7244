#include "dialogs/csv_mapping_memory.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string_view>

#include "data/no_case.h"
#include "statement/statement_fields.h"

namespace purso {
namespace {

constexpr const char* kSection = "Statement Columns";

// The key of a named layout: "Names " and a 64-bit FNV-1a hash of the folded
// names, so that no character of a column name reaches the settings' keys.
std::string NamedKey(const std::vector<std::string>& names) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const std::string& name : names) {
    for (const char c : FoldedCopy(TrimBlanks(name)) + '\x1f') {
      hash ^= static_cast<unsigned char>(c);
      hash *= 1099511628211ull;
    }
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return std::string("Names ") + hex;
}

std::string UnnamedKey(std::size_t columns) { return "Unnamed " + std::to_string(columns); }

constexpr std::string_view kOrderNames[] = {"ymd", "dmy", "mdy"};

struct ColumnKey {
  std::string_view key;
  std::string CsvMapping::*column;
};
constexpr ColumnKey kColumnKeys[] = {{"date", &CsvMapping::date},          {"amount", &CsvMapping::amount},
                                     {"debit", &CsvMapping::debit},        {"credit", &CsvMapping::credit},
                                     {"payee", &CsvMapping::payee},        {"memo", &CsvMapping::memo},
                                     {"direction", &CsvMapping::direction}};
// Entries written before the direction column was known lack it.
constexpr std::size_t kFieldsWithoutDirection = std::size(kColumnKeys) - 1 + 3;

// A column is a number from 1 or empty; nothing else came from this module.
bool IsColumn(std::string_view value) {
  return value.empty() ||
         (value.size() <= 4 && value.find_first_not_of("0123456789") == std::string_view::npos && value.front() != '0');
}

// "header=names;date=1;amount=2;debit=;credit=;payee=3;memo=4;direction=5;order=dmy;decimal=,"
std::string Encode(const CsvMapping& mapping) {
  std::string text = mapping.header == CsvHeader::kFirstLine ? "header=names" : "header=none";
  for (const ColumnKey& column : kColumnKeys) {
    text += ";" + std::string(column.key) + "=" + mapping.*column.column;
  }
  text += ";order=" + std::string(kOrderNames[static_cast<int>(mapping.dateOrder)]);
  text += std::string(";decimal=") + mapping.decimalSymbol;
  return text;
}

std::optional<CsvMapping> Decode(std::string_view text) {
  CsvMapping mapping;
  std::size_t fields = 0;
  while (!text.empty()) {
    const std::size_t end = text.find(';');
    const std::string_view field = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const std::size_t equals = field.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view key = field.substr(0, equals);
    const std::string_view value = field.substr(equals + 1);
    ++fields;
    if (key == "header" && (value == "names" || value == "none")) {
      mapping.header = value == "names" ? CsvHeader::kFirstLine : CsvHeader::kNone;
    } else if (key == "order") {
      std::size_t order = 0;
      while (order < std::size(kOrderNames) && kOrderNames[order] != value) ++order;
      if (order == std::size(kOrderNames)) return std::nullopt;
      mapping.dateOrder = static_cast<StatementDateOrder>(order);
    } else if (key == "decimal" && (value == "." || value == ",")) {
      mapping.decimalSymbol = value.front();
    } else {
      const ColumnKey* column = std::find_if(std::begin(kColumnKeys), std::end(kColumnKeys),
                                             [key](const ColumnKey& known) { return known.key == key; });
      if (column == std::end(kColumnKeys) || !IsColumn(value)) return std::nullopt;
      mapping.*column->column = std::string(value);
    }
  }
  if (fields != kFieldsWithoutDirection && fields != kFieldsWithoutDirection + 1) return std::nullopt;
  return mapping;
}

}  // namespace

std::optional<CsvMapping> RecallCsvMapping(const ISettingsStore& store, const std::vector<std::string>& firstLine) {
  for (const std::string& key : {NamedKey(firstLine), UnnamedKey(firstLine.size())}) {
    if (const std::optional<std::string> value = store.Read(kSection, key)) return Decode(*value);
  }
  return std::nullopt;
}

void RememberCsvMapping(ISettingsStore& store, const std::vector<std::string>& firstLine, const CsvMapping& mapping) {
  const std::string key = mapping.header == CsvHeader::kFirstLine ? NamedKey(firstLine) : UnnamedKey(firstLine.size());
  store.Write(kSection, key, Encode(mapping));
}

}  // namespace purso
