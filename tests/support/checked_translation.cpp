// Puts CheckedTranslation (translation_catalog.h) in force for every test of
// the suite this file is compiled into.
#include <gtest/gtest.h>

#include <optional>

#include "data/translation.h"
#include "support/translation_catalog.h"

namespace purso::test {
namespace {

class CCheckedTranslationEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override { scope_.emplace(&CheckedTranslation); }
  void TearDown() override { scope_.reset(); }

 private:
  std::optional<CScopedTranslation> scope_;
};

[[maybe_unused]] const ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new CCheckedTranslationEnvironment);

}  // namespace
}  // namespace purso::test
