#include "host/form/JsonPropertyBag.h"

namespace vorn {

JsonPropertyBag::JsonPropertyBag(const Json* stored, ImageListResolver lists, ImageListNamer names,
                                 std::string where)
    : stored_(stored), lists_(std::move(lists)), names_(std::move(names)), where_(std::move(where)) {}

Variant JsonPropertyBag::ReadProperty(std::string_view name, const Variant& defaultValue) {
  read_.emplace(name);
  if (!stored_ || !stored_->is_object()) return defaultValue;
  auto it = stored_->find(std::string(name));
  if (it == stored_->end()) return defaultValue;
  return JsonToVariant(*it, lists_);
}

void JsonPropertyBag::WriteProperty(std::string_view name, const Variant& value, const Variant& defaultValue) {
  if (SameStoredValue(value, defaultValue)) return;
  try {
    written_[std::string(name)] = VariantToJson(value, names_);
  } catch (const RuntimeError& e) {
    ReportBadValue(name, e);
  }
}

void JsonPropertyBag::ReportBadValue(std::string_view name, const RuntimeError& error) {
  bad_.insert(std::string(name));
  errors_.push_back(where_ + ": property \"" + std::string(name) + "\": " + error.what() + " (" +
                    std::to_string(error.Number()) + ")");
}

}  // namespace vorn
