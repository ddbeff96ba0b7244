#include "app/safekeeping.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace purso {
namespace {

constexpr const char* kSection = "Kept Versions";
constexpr const char* kSavesKey = "Saves";
constexpr const char* kDaysKey = "Days";

int ReadNumber(const ISettingsStore& settings, const char* key, int fallback, int low, int high) {
  const std::optional<std::string> text = settings.Read(kSection, key);
  int value = fallback;
  if (text) {
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size()) value = fallback;
  }
  return std::clamp(value, low, high);
}

}  // namespace

CSafekeeping::CSafekeeping(std::string root, ISettingsStore& settings) : root_(std::move(root)), settings_(settings) {}

VersionLimits CSafekeeping::Limits() const {
  VersionLimits limits;
  limits.saves = ReadNumber(settings_, kSavesKey, VersionLimits::kDefaultSaves, 1, VersionLimits::kMaxSaves);
  limits.days = ReadNumber(settings_, kDaysKey, VersionLimits::kDefaultDays, 0, VersionLimits::kMaxDays);
  return limits;
}

void CSafekeeping::SetLimits(const VersionLimits& limits) {
  settings_.Write(kSection, kSavesKey, std::to_string(limits.saves));
  settings_.Write(kSection, kDaysKey, std::to_string(limits.days));
}

}  // namespace purso
