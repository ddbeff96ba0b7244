#include "text/name_rules.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "data/no_case.h"
#include "data/translation.h"
#include "resources/translatable.h"
#include "text/date_text.h"

namespace purso {
namespace {

// Every master list holds its name in its first column.
constexpr std::uint32_t kNameColumn = 0;

// Indexed by NameList, then NameCommand. The wordings differ between lists
// on purpose ("FNAect", "FNA", the object wording of the category too-long
// suggestion, the full stops): each list shows exactly its own texts. The
// length texts of renaming an object or functional area follow the other
// texts of that command: a name that does not fit is never cut silently.
constexpr NameMessages kMessages[3][2] = {
    {
        {
            PURSO_TEXT("NameRules", "The name of the new object is invalid."),
            PURSO_TEXT("NameRules", "The name of the new object is invalid (zero length)"),
            PURSO_TEXT("NameRules", "Enter a valid name for the new object"),
            PURSO_TEXT("NameRules",
                       "The name of the new object is invalid (too long). \nCurrent length = %u\nMaximum length = %u"),
            PURSO_TEXT("NameRules", "Enter a shorter name for the new object"),
            PURSO_TEXT("NameRules", "The name of the new object is invalid (already in use)"),
            PURSO_TEXT("NameRules", "Use a different name for the new object"),
        },
        {
            PURSO_TEXT("NameRules", "The name of the object is invalid."),
            PURSO_TEXT("NameRules", "The name of the object is invalid (zero length)"),
            PURSO_TEXT("NameRules", "Enter a valid name for the object"),
            PURSO_TEXT("NameRules",
                       "The name of the object is invalid (too long). \nCurrent length = %u\nMaximum length = %u"),
            PURSO_TEXT("NameRules", "Enter a shorter name for the object"),
            PURSO_TEXT("NameRules", "The name of the object is invalid (already in use)"),
            PURSO_TEXT("NameRules", "Use a different name for the object"),
        },
    },
    {
        {
            PURSO_TEXT("NameRules", "The name of the new functional area is invalid."),
            PURSO_TEXT("NameRules", "The name of the new functional area is invalid (zero length)"),
            PURSO_TEXT("NameRules", "Enter a valid name for the new functional area"),
            PURSO_TEXT("NameRules",
                       "The name of the new FNAect is invalid (too long). \nCurrent length = %u\nMaximum length = %u"),
            PURSO_TEXT("NameRules", "Enter a shorter name for the new FNAect"),
            PURSO_TEXT("NameRules", "The name of the new FNAect is invalid (already in use)"),
            PURSO_TEXT("NameRules", "Use a different name for the new FNAect"),
        },
        {
            PURSO_TEXT("NameRules", "The name of the functional area is invalid."),
            PURSO_TEXT("NameRules", "The name of the functional area is invalid (zero length)"),
            PURSO_TEXT("NameRules", "Enter a valid name for the functional area"),
            PURSO_TEXT(
                "NameRules",
                "The name of the functional area is invalid (too long). \nCurrent length = %u\nMaximum length = %u"),
            PURSO_TEXT("NameRules", "Enter a shorter name for the functional area"),
            PURSO_TEXT("NameRules", "The name of the functional area is invalid (already in use)"),
            PURSO_TEXT("NameRules", "Use a different name for the FNA"),
        },
    },
    {
        {
            PURSO_TEXT("NameRules", "The name of the new category is invalid."),
            PURSO_TEXT("NameRules", "The name of the new category is invalid (zero length)."),
            PURSO_TEXT("NameRules", "Enter a valid name for the new category."),
            PURSO_TEXT(
                "NameRules",
                "The name of the new category is invalid (too long). \nCurrent length = %u\nMaximum length = %u"),
            PURSO_TEXT("NameRules", "Enter a shorter name for the new object"),
            PURSO_TEXT("NameRules", "The name of the new category is invalid (already in use)"),
            PURSO_TEXT("NameRules", "Use a different name for the new category"),
        },
        {
            PURSO_TEXT("NameRules", "The name of the category is invalid."),
            PURSO_TEXT("NameRules", "The name of the category is invalid (zero length)."),
            PURSO_TEXT("NameRules", "Enter a valid name for the category."),
            PURSO_TEXT("NameRules",
                       "The name of the category is invalid (too long). \nCurrent length = %u\nMaximum length = %u"),
            PURSO_TEXT("NameRules", "Enter a shorter name for the category"),
            PURSO_TEXT("NameRules", "The new name of the category is invalid (already in use)"),
            PURSO_TEXT("NameRules", "Use a different new name for the category"),
        },
    },
};

// Replaces each "%u" of pattern, in order, by the next number.
std::string FormatNumbers(std::string_view pattern, std::initializer_list<std::size_t> numbers) {
  std::string text;
  const std::size_t* next = numbers.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 'u' && next != numbers.end()) {
      text += std::to_string(*next++);
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

NameProblem Pair(std::string_view problem, std::string_view suggestion) {
  return NameProblem{Translate("NameRules", problem), Translate("NameRules", suggestion)};
}

}  // namespace

const NameMessages& NameMessagesFor(NameList list, NameCommand command) {
  return kMessages[static_cast<int>(list)][static_cast<int>(command)];
}

bool NameInUse(CRecordTable& table, std::string_view text) {
  table.ClearConditions();
  // A text the condition cannot hold (256 characters or more) is longer
  // than any name field, so it matches no row.
  const bool set = table.SetTextCondition(0, 0, kNameColumn, Operator::kEqual, text);
  const bool inUse = set && table.ApplyConditions() > 0;
  table.ClearConditions();
  return inUse;
}

std::optional<std::uint32_t> FindName(CRecordTable& table, std::string_view text) {
  table.ClearConditions();
  std::optional<std::uint32_t> found;
  if (table.SetTextCondition(0, 0, kNameColumn, Operator::kEqual, text) && table.ApplyConditions() > 0 &&
      table.First()) {
    found = table.GetRowId();
  }
  table.ClearConditions();
  return found;
}

std::vector<std::string> Names(const CRecordTable& table) {
  std::vector<std::string> names;
  names.reserve(table.GetRowCount());
  for (std::uint32_t row = 0; row < table.GetRowCount(); ++row) names.emplace_back(table.TextAt(row, kNameColumn));
  return names;
}

std::optional<std::string_view> NameOf(const CRecordTable& table, std::uint32_t rowId) {
  for (std::uint32_t row = 0; row < table.GetRowCount(); ++row) {
    if (table.RowIdAt(row) == rowId) return table.TextAt(row, kNameColumn);
  }
  return std::nullopt;
}

std::optional<NameProblem> CheckName(CRecordTable& table, std::string_view typed, NameList list, NameCommand command,
                                     std::string_view oldName) {
  const std::string_view name = typed.substr(0, std::min(typed.size(), kNameReadLength));
  const NameMessages& messages = NameMessagesFor(list, command);

  if (!HasNoReservedCharacters(name)) return Pair(messages.reservedProblem, kReservedSuggestion);
  if (name.empty()) return Pair(messages.emptyProblem, messages.emptySuggestion);
  if (name.size() > kMaxNameLength) {
    return NameProblem{FormatNumbers(Translate("NameRules", messages.tooLongProblem), {name.size(), kMaxNameLength}),
                       Translate("NameRules", messages.tooLongSuggestion)};
  }
  const bool renamesItself = command == NameCommand::kUpdate && EqualNoCase(name, oldName);
  if (!renamesItself && NameInUse(table, name)) return Pair(messages.inUseProblem, messages.inUseSuggestion);
  return std::nullopt;
}

}  // namespace purso
