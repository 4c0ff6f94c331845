#pragma once
#include "foundation/Font.h"
#include "foundation/PropertyBag.h"

namespace vorn {

/// What the scroll bar's designer stored for each of its arrow buttons: the symbol font
/// "Webdings" and an empty caption; every other property reads as its default. Each bag holds a
/// font object of its own, since a button keeps the font it is given by reference.
class ArrowButtonBag final : public PropertyBag {
 public:
  ArrowButtonBag() : font_(MakeRef<Font>("Webdings", 8.0f)) {}

  Variant ReadProperty(std::string_view name, const Variant& defaultValue) override;
  /// The bag only feeds a load; nothing is written back.
  void WriteProperty(std::string_view, const Variant&, const Variant&) override {}
  /// Both stored values have the types the button expects.
  void ReportBadValue(std::string_view, const RuntimeError&) override {}

 private:
  Ref<Font> font_;
};

}  // namespace vorn
