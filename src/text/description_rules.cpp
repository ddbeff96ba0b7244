#include "text/description_rules.h"

#include "data/translation.h"
#include "text/date_text.h"

namespace purso {

std::string AutomaticDescription(const CDisplaySettings& settings, DescriptionEvent event) {
  const std::string text = event == DescriptionEvent::kAdded ? Translate("Description", "added on %1")
                                                             : Translate("Description", "updated on %1");
  return Filled(text, {FormatDate(settings, TodayMonthDay())});
}

std::optional<NameProblem> CheckDescription(std::string_view description) {
  if (description.size() > kMaxDescriptionLength) {
    return NameProblem{
        Filled(Translate("Description",
                         "The description for this transaction is invalid (too long). \nCurrent length = %1\nMaximum "
                         "length = %2"),
               {std::to_string(description.size()), std::to_string(kMaxDescriptionLength)}),
        Translate("Description", "Enter a shorter name for the new object")};
  }
  if (!HasNoReservedCharacters(description)) {
    return NameProblem{Translate("Description", "The description is invalid."),
                       Translate("NameRules", kReservedSuggestion)};
  }
  return std::nullopt;
}

}  // namespace purso
