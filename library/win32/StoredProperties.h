#pragma once
// A control's stored properties as containers keep them: in a property bag of the container's
// (IPropertyBag, by name), or in a stream (IStream) in the library's own format:
//
//   "vB2S", version (uint32, 1), count (uint32), then per property:
//   name (uint32 byte count, UTF-8), kind (uint8), value:
//     0 Empty  1 Nothing  2 Null  3 Integer (int16)  4 Long (int32)  5 Single  6 Double
//     7 Boolean (uint8)  8 String (uint32 byte count, UTF-8)
//     9 Font (name as a String, size as a Single, uint8 flags: 1 bold, 2 italic, 4 underline,
//       8 strikethrough)
//
// all little-endian. Objects other than fonts (an image list) belong to the form and are stored as
// Nothing; a container's property bag gets no entry for them. Reading checks every count against what a control stores, so damaged data is refused
// with an error that says what was wrong.
#include <string>
#include <utility>
#include <vector>

#include "foundation/PropertyBag.h"
#include "library/com/ComTypes.h"

namespace vorn {

/// The properties a control wrote, in its order; read back by name.
class PropertyList final : public PropertyBag {
 public:
  Variant ReadProperty(std::string_view name, const Variant& defaultValue) override;
  void WriteProperty(std::string_view name, const Variant& value, const Variant& defaultValue) override;
  void ReportBadValue(std::string_view, const RuntimeError&) override {}

  /// Writes the list into a stream; false when the stream failed.
  bool Save(IStream* stream) const;
  ULONGLONG SavedSize() const;
  /// Reads a list from a stream: false, with what was wrong in error, when it is no list of the
  /// library's or is damaged.
  bool Load(IStream* stream, std::string& error);

 private:
  std::vector<std::pair<std::string, Variant>> entries_;
};

/// A container's property bag, as the controls read and write it.
class ContainerBag final : public PropertyBag {
 public:
  /// saveAll: values equal to their defaults are written too.
  ContainerBag(IPropertyBag* bag, IErrorLog* log, bool saveAll) : bag_(bag), log_(log), saveAll_(saveAll) {}
  Variant ReadProperty(std::string_view name, const Variant& defaultValue) override;
  void WriteProperty(std::string_view name, const Variant& value, const Variant& defaultValue) override;
  void ReportBadValue(std::string_view name, const RuntimeError& error) override;
  /// The first failure of the bag's Write, if any.
  HRESULT WriteResult() const { return writeResult_; }

 private:
  IPropertyBag* bag_;
  IErrorLog* log_;
  bool saveAll_;
  HRESULT writeResult_ = S_OK;
};

}  // namespace vorn
