#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/Object.h"

namespace vorn {

/// Automation colour (OLE_COLOR): &HBBGGRR, or a system colour reference with bit 31 set.
using Color = uint32_t;

enum class VarType : uint8_t { Empty, Null, Integer, Long, Single, Double, String, Boolean, Object, Missing };

/// The automation Variant, with the conversions automation applies between its types
/// (Type mismatch 13 and Overflow 6 where they fail).
class Variant {
 public:
  Variant() noexcept {}
  Variant(int16_t v) noexcept : type_(VarType::Integer) { u_.i2 = v; }
  Variant(int32_t v) noexcept : type_(VarType::Long) { u_.i4 = v; }
  Variant(float v) noexcept : type_(VarType::Single) { u_.r4 = v; }
  Variant(double v) noexcept : type_(VarType::Double) { u_.r8 = v; }
  Variant(bool v) noexcept : type_(VarType::Boolean) { u_.b = v; }
  Variant(std::string v) noexcept : type_(VarType::String), str_(std::move(v)) {}
  Variant(std::string_view v) : type_(VarType::String), str_(v) {}
  Variant(const char* v) : type_(VarType::String), str_(v) {}
  template <class T>
  Variant(Ref<T> v) noexcept : type_(VarType::Object), obj_(std::move(v)) {}

  static Variant FromColor(Color c) noexcept { return Variant(static_cast<int32_t>(c)); }
  static Variant Null() noexcept;
  static Variant Missing() noexcept;
  static Variant Nothing() noexcept { return Variant(Ref<Object>()); }

  VarType Type() const noexcept { return type_; }
  bool IsEmpty() const noexcept { return type_ == VarType::Empty; }
  bool IsMissing() const noexcept { return type_ == VarType::Missing; }
  bool IsNull() const noexcept { return type_ == VarType::Null; }
  bool IsObject() const noexcept { return type_ == VarType::Object; }
  bool IsString() const noexcept { return type_ == VarType::String; }
  bool IsNumeric() const noexcept;

  // Conversions with automation rules.
  int16_t ToInteger() const;
  int32_t ToLong() const;
  float ToSingle() const;
  double ToDouble() const;
  bool ToBool() const;
  std::string ToString() const;
  Ref<Object> ToObject() const;
  /// A colour: any Long, or a whole number up to &HFFFFFFFF.
  Color ToColor() const;

  /// The stored string (valid only for String variants); avoids a copy on hot paths.
  const std::string& StringValue() const noexcept { return str_; }
  Object* ObjectValue() const noexcept { return obj_.get(); }

  /// Same type-independent value (numbers compare as numbers, strings as text, objects by identity).
  friend bool operator==(const Variant& a, const Variant& b);

 private:
  VarType type_ = VarType::Empty;
  union {
    int16_t i2;
    int32_t i4;
    float r4;
    double r8;
    bool b;
  } u_{};
  std::string str_;
  Ref<Object> obj_;
};

/// Name of a Variant type as automation shows it ("Integer", "String", ...).
const char* TypeName(VarType t) noexcept;

/// Shortest text of a real that reads back the same ("1.5", "0.1", "1E+20").
std::string FormatReal(double value, bool single);

}  // namespace vorn
