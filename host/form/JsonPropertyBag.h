#pragma once
#include <set>
#include <string>
#include <vector>

#include "foundation/PropertyBag.h"
#include "host/form/JsonVariant.h"

namespace vorn {

/// A control's stored properties in a form document. Reading converts document values to
/// Variants; a value the control cannot use is reported (one line naming file, control and
/// property) and the control keeps its default. Writing leaves out values equal to their defaults.
class JsonPropertyBag final : public PropertyBag {
 public:
  JsonPropertyBag(const Json* stored, ImageListResolver lists, ImageListNamer names, std::string where);

  Variant ReadProperty(std::string_view name, const Variant& defaultValue) override;
  void WriteProperty(std::string_view name, const Variant& value, const Variant& defaultValue) override;
  void ReportBadValue(std::string_view name, const RuntimeError& error) override;

  const Json& Written() const noexcept { return written_; }
  const std::vector<std::string>& Errors() const noexcept { return errors_; }
  /// Names whose stored value could not be used.
  const std::set<std::string>& BadNames() const noexcept { return bad_; }
  /// Names the control asked for.
  const std::set<std::string>& ReadNames() const noexcept { return read_; }

 private:
  const Json* stored_;
  ImageListResolver lists_;
  ImageListNamer names_;
  std::string where_;
  Json written_ = Json::object();
  std::vector<std::string> errors_;
  std::set<std::string> bad_;
  std::set<std::string> read_;
};

}  // namespace vorn
