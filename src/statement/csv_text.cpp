#include "statement/csv_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace purso {
namespace {

bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

// Moves past the line break at text[at]; CRLF counts as one.
std::size_t SkipLineBreak(std::string_view text, std::size_t at) {
  if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') return at + 2;
  return at + 1;
}

}  // namespace

std::vector<CsvRecord> SplitCsvRecords(std::string_view text, char separator) {
  std::vector<CsvRecord> records;
  std::uint32_t line = 1;
  std::size_t at = 0;
  while (at < text.size()) {
    if (IsLineBreak(text[at])) {
      at = SkipLineBreak(text, at);
      ++line;
      continue;
    }
    CsvRecord record;
    record.line = line;
    std::string field;
    bool quoted = false;  // inside an open quote
    bool ended = false;
    while (!ended) {
      if (at == text.size()) {
        ended = true;
      } else if (quoted) {
        const char c = text[at];
        if (c == '"' && at + 1 < text.size() && text[at + 1] == '"') {
          field.push_back('"');
          at += 2;
        } else if (c == '"') {
          quoted = false;
          ++at;
        } else if (IsLineBreak(c)) {
          const std::size_t next = SkipLineBreak(text, at);
          field.append(text.substr(at, next - at));
          at = next;
          ++line;
        } else {
          field.push_back(c);
          ++at;
        }
      } else {
        const char c = text[at];
        if (c == separator) {
          record.fields.push_back(std::move(field));
          field.clear();
          ++at;
        } else if (IsLineBreak(c)) {
          at = SkipLineBreak(text, at);
          ++line;
          ended = true;
        } else if (c == '"' && field.empty()) {
          // Only a quote at the very start of a field opens one; after
          // blanks it is kept as written.
          quoted = true;
          ++at;
        } else {
          field.push_back(c);
          ++at;
        }
      }
    }
    record.fields.push_back(std::move(field));
    records.push_back(std::move(record));
  }
  return records;
}

char GuessCsvSeparator(std::string_view text) {
  constexpr std::array<char, 3> kCandidates = {';', '\t', ','};
  constexpr std::size_t kLines = 20;
  // Each candidate's count outside quotes on each of the first lines that hold any.
  std::vector<std::array<std::size_t, 3>> lines;
  std::array<std::size_t, 3> counts{};
  bool quoted = false;
  const auto endLine = [&]() {
    if (counts != std::array<std::size_t, 3>{}) lines.push_back(counts);
    counts = {};
  };
  for (std::size_t at = 0; at < text.size() && lines.size() < kLines; ++at) {
    const char c = text[at];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (IsLineBreak(c)) {
      endLine();
      continue;
    }
    for (std::size_t i = 0; i < kCandidates.size(); ++i) counts[i] += c == kCandidates[i] ? 1 : 0;
  }
  endLine();
  // The separator is the one most lines hold, the more often first.
  std::size_t best = kCandidates.size() - 1;
  std::pair<std::size_t, std::size_t> bestScore{0, 0};  // lines that hold it, its count
  for (std::size_t i = 0; i < kCandidates.size(); ++i) {
    std::pair<std::size_t, std::size_t> score{0, 0};
    for (const auto& line : lines) {
      score.first += line[i] > 0 ? 1 : 0;
      score.second += line[i];
    }
    if (score > bestScore) best = i, bestScore = score;
  }
  return kCandidates[best];
}

void AppendCsvField(std::string& out, std::string_view field, char separator) {
  const bool needsQuotes = field.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string_view::npos;
  if (!needsQuotes) {
    out.append(field);
    return;
  }
  out.push_back('"');
  for (const char c : field) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
}

void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields, char separator) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out.push_back(separator);
    AppendCsvField(out, fields[i], separator);
  }
  out.append("\r\n");
}

}  // namespace purso
