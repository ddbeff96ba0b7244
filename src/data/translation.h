// The texts the program shows, in the user's language.
//
// Every text a user sees passes through Translate before it is composed:
// the logic translates a message's pattern, then fills in its values with
// Filled, so that a translation may put the values where its language wants
// them. Values (names of accounts, categories, files; amounts; dates) are
// never translated.
//
// The translation in force is one process-wide hook, like the clock: by
// default none (every text stays the program's English), the Qt adapter
// installs the user's language at start-up, and tests put theirs in force
// with CScopedTranslation. A hook gets a context and a source text, both
// as the program spells them (ASCII), and answers account text
// (Windows-1252, data/account_text.h), the encoding of every text the logic
// hands to the window system. It may be called from any thread.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace purso {

using TranslateFunction = std::string (*)(std::string_view context, std::string_view source);

// source in the user's language. A text without a letter (a number, a
// punctuation mark) is never looked up.
std::string Translate(std::string_view context, std::string_view source);

// text with %1 to %9 replaced by the values in order, in one pass: a value
// that holds "%2" itself stays as it is. A mark without its value stays.
std::string Filled(std::string_view text, std::initializer_list<std::string_view> values);

// Puts a translation in force for its own lifetime and restores the one before.
class CScopedTranslation {
 public:
  explicit CScopedTranslation(TranslateFunction translate);
  ~CScopedTranslation();
  CScopedTranslation(const CScopedTranslation&) = delete;
  CScopedTranslation& operator=(const CScopedTranslation&) = delete;

 private:
  TranslateFunction previous_;
};

}  // namespace purso
