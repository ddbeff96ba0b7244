#include "statement/csv_text.h"

#include <algorithm>
#include <array>
#include <cstdio>
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

CCsvCursor::CCsvCursor(std::string_view text, char separator) : text_(text), separator_(separator) {}

bool CCsvCursor::Next(CsvRecord& record) {
  while (at_ < text_.size() && IsLineBreak(text_[at_])) {
    at_ = SkipLineBreak(text_, at_);
    ++line_;
  }
  if (at_ == text_.size()) return false;
  record.line = line_;
  record.fields.clear();
  std::string field;
  bool quoted = false;  // inside an open quote
  bool ended = false;
  while (!ended) {
    if (at_ == text_.size()) {
      ended = true;
    } else if (quoted) {
      const char c = text_[at_];
      if (c == '"' && at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
        field.push_back('"');
        at_ += 2;
      } else if (c == '"') {
        quoted = false;
        ++at_;
      } else if (IsLineBreak(c)) {
        const std::size_t next = SkipLineBreak(text_, at_);
        field.append(text_.substr(at_, next - at_));
        at_ = next;
        ++line_;
      } else {
        field.push_back(c);
        ++at_;
      }
    } else {
      const char c = text_[at_];
      if (c == separator_ && record.fields.size() + 1 < kMaxCsvFields) {
        record.fields.push_back(std::move(field));
        field.clear();
        ++at_;
      } else if (IsLineBreak(c)) {
        at_ = SkipLineBreak(text_, at_);
        ++line_;
        ended = true;
      } else if (c == '"' && field.empty()) {
        // Only a quote at the very start of a field opens one; after
        // blanks it is kept as written.
        quoted = true;
        ++at_;
      } else {
        field.push_back(c);
        ++at_;
      }
    }
  }
  record.fields.push_back(std::move(field));
  return true;
}

std::vector<CsvRecord> SplitCsvRecords(std::string_view text, char separator, std::size_t most) {
  std::vector<CsvRecord> records;
  CCsvCursor cursor(text, separator);
  CsvRecord record;
  while (records.size() < most && cursor.Next(record)) records.push_back(std::move(record));
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

std::string IsoDate(int year, double monthDay) {
  if (!(monthDay >= 0.0 && monthDay < 10000.0)) return "";
  const int n = static_cast<int>(monthDay);
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, n / 100, n % 100);
  return text;
}

int ExportDecimals(const CDisplaySettings& settings) {
  return settings.decimals >= 0 && settings.decimals <= CDisplaySettings::kMaxDecimals ? settings.decimals : 2;
}

std::string ExportNumber(double value, int decimals) {
  if (value == 0.0) value = 0.0;  // no "-0.00"
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

}  // namespace purso
