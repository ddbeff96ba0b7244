// How editing dialogs read a typed date or amount, and the texts with which
// they refuse one: the program's English, marked in the context "Input",
// where a dialog's own problem texts for its fields are marked too.
#pragma once

#include <cstddef>
#include <string_view>

#include "resources/translatable.h"

namespace purso {

// Date and amount fields are read as fixed-size fields of these many characters.
inline constexpr std::size_t kDateReadLength = 79;
inline constexpr std::size_t kAmountReadLength = 15;

inline constexpr std::string_view kDateInvalid = PURSO_TEXT("Input", "The date is invalid.");
inline constexpr std::string_view kDateSuggestion = PURSO_TEXT(
    "Input", "- check the day and the month for errors\n- check the PURSO settings for the current date format.");
inline constexpr std::string_view kAmountBadFormat = PURSO_TEXT("Input", "The amount is invalid (bad format)");
inline constexpr std::string_view kBadFormatSuggestion = PURSO_TEXT("Input", "Enter a valid number.");
inline constexpr std::string_view kAmountTooBig = PURSO_TEXT("Input", "The amount is invalid (number too big)");
inline constexpr std::string_view kTooBigSuggestion = PURSO_TEXT("Input", "Enter a number < 999999999");

// The problems an amount field is refused with: one that does not read, one
// above kMaxAmount. Each field names what it holds ("The budget is invalid").
struct AmountProblems {
  std::string_view badFormat;
  std::string_view tooBig;
};
inline constexpr AmountProblems kAmountProblems{kAmountBadFormat, kAmountTooBig};

}  // namespace purso
