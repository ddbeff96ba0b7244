// The texts with which several editing dialogs refuse a typed date or amount.
#pragma once

#include <string_view>

namespace purso {

inline constexpr std::string_view kDateSuggestion =
    "- check the day and the month for errors\n- check the PURSO settings for the current date format.";
inline constexpr std::string_view kAmountBadFormat = "The amount is invalid (bad format)";
inline constexpr std::string_view kBadFormatSuggestion = "Enter a valid number.";
inline constexpr std::string_view kAmountTooBig = "The amount is invalid (number too big)";
inline constexpr std::string_view kTooBigSuggestion = "Enter a number < 999999999";

}  // namespace purso
