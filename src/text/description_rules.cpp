#include "text/description_rules.h"

#include "text/date_text.h"

namespace purso {

std::string AutomaticDescription(const CDisplaySettings& settings, DescriptionEvent event) {
  std::string text = event == DescriptionEvent::kAdded ? "added on " : "updated on ";
  return text.append(FormatDate(settings, TodayMonthDay()));
}

std::optional<NameProblem> CheckDescription(std::string_view description) {
  if (description.size() > kMaxDescriptionLength) {
    std::string problem = "The description for this transaction is invalid (too long). \nCurrent length = ";
    problem.append(std::to_string(description.size()))
        .append("\nMaximum length = ")
        .append(std::to_string(kMaxDescriptionLength));
    return NameProblem{std::move(problem), "Enter a shorter name for the new object"};
  }
  if (!HasNoReservedCharacters(description)) {
    return NameProblem{"The description is invalid.", std::string(kReservedSuggestion)};
  }
  return std::nullopt;
}

}  // namespace purso
