#include "foundation/Variant.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <strings.h>

#include "foundation/Convert.h"
#include "foundation/RuntimeError.h"

namespace vorn {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// Text to number as automation reads it: decimal or real, &H hex, &O octal, True/False.
double ParseNumber(const std::string& text) {
  std::string_view s = Trim(text);
  if (EqualsNoCase(s, "True")) return -1.0;
  if (EqualsNoCase(s, "False")) return 0.0;
  if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
    const int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
    uint32_t v = 0;
    auto [p, ec] = std::from_chars(s.data() + 2, s.data() + s.size(), v, base);
    if (ec != std::errc() || p != s.data() + s.size()) Raise(errTypeMismatch);
    // Hex literals are 32-bit patterns: &HFFFFFFFF is -1.
    return static_cast<double>(static_cast<int32_t>(v));
  }
  if (s.empty()) Raise(errTypeMismatch);
  std::string copy(s);
  char* end = nullptr;
  const double v = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || std::isnan(v)) Raise(errTypeMismatch);
  return v;
}

}  // namespace

Variant Variant::Null() noexcept {
  Variant v;
  v.type_ = VarType::Null;
  return v;
}

Variant Variant::Missing() noexcept {
  Variant v;
  v.type_ = VarType::Missing;
  return v;
}

bool Variant::IsNumeric() const noexcept {
  switch (type_) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Boolean: return true;
    default: return false;
  }
}

double Variant::ToDouble() const {
  switch (type_) {
    case VarType::Empty: return 0.0;
    case VarType::Integer: return u_.i2;
    case VarType::Long: return u_.i4;
    case VarType::Single: return u_.r4;
    case VarType::Double: return u_.r8;
    case VarType::Boolean: return u_.b ? -1.0 : 0.0;
    case VarType::String: return ParseNumber(str_);
    case VarType::Null: Raise(errInvalidUseOfNull);
    default: Raise(errTypeMismatch);
  }
}

int16_t Variant::ToInteger() const {
  switch (type_) {
    case VarType::Integer: return u_.i2;
    case VarType::Boolean: return u_.b ? -1 : 0;
    default: return vorn::ToInteger(ToDouble());
  }
}

int32_t Variant::ToLong() const {
  switch (type_) {
    case VarType::Integer: return u_.i2;
    case VarType::Long: return u_.i4;
    case VarType::Boolean: return u_.b ? -1 : 0;
    default: return vorn::ToLong(ToDouble());
  }
}

float Variant::ToSingle() const {
  if (type_ == VarType::Single) return u_.r4;
  const double d = ToDouble();
  if (std::fabs(d) > 3.4028234663852886e38) Raise(errOverflow);
  return static_cast<float>(d);
}

bool Variant::ToBool() const {
  if (type_ == VarType::Boolean) return u_.b;
  if (type_ == VarType::String) {
    std::string_view s = Trim(str_);
    if (EqualsNoCase(s, "True")) return true;
    if (EqualsNoCase(s, "False")) return false;
  }
  return ToDouble() != 0.0;
}

Color Variant::ToColor() const {
  if (type_ == VarType::Long) return static_cast<Color>(u_.i4);
  const double d = std::nearbyint(ToDouble());
  if (d >= -2147483648.0 && d <= 4294967295.0) {
    return d < 0 ? static_cast<Color>(static_cast<int32_t>(d)) : static_cast<Color>(d);
  }
  Raise(errOverflow);
}

std::string FormatReal(double value, bool single) {
  char buf[64];
  std::to_chars_result r = single ? std::to_chars(buf, buf + sizeof buf, static_cast<float>(value))
                                  : std::to_chars(buf, buf + sizeof buf, value);
  std::string s(buf, r.ptr);
  for (char& c : s) {
    if (c == 'e') c = 'E';
  }
  return s;
}

std::string Variant::ToString() const {
  switch (type_) {
    case VarType::Empty: return std::string();
    case VarType::String: return str_;
    case VarType::Integer: return std::to_string(u_.i2);
    case VarType::Long: return std::to_string(u_.i4);
    case VarType::Single: return FormatReal(u_.r4, true);
    case VarType::Double: return FormatReal(u_.r8, false);
    case VarType::Boolean: return u_.b ? "True" : "False";
    case VarType::Null: Raise(errInvalidUseOfNull);
    default: Raise(errTypeMismatch);
  }
}

Ref<Object> Variant::ToObject() const {
  if (type_ == VarType::Object) return obj_;
  if (type_ == VarType::Empty) return Ref<Object>();
  Raise(errTypeMismatch);
}

bool operator==(const Variant& a, const Variant& b) {
  if (a.type_ == VarType::Object || b.type_ == VarType::Object) {
    return a.type_ == b.type_ && a.obj_ == b.obj_;
  }
  if (a.type_ == VarType::String || b.type_ == VarType::String) {
    return a.type_ == b.type_ && a.str_ == b.str_;
  }
  if (a.IsNumeric() && b.IsNumeric()) return a.ToDouble() == b.ToDouble();
  return a.type_ == b.type_;
}

const char* TypeName(VarType t) noexcept {
  switch (t) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Integer: return "Integer";
    case VarType::Long: return "Long";
    case VarType::Single: return "Single";
    case VarType::Double: return "Double";
    case VarType::String: return "String";
    case VarType::Boolean: return "Boolean";
    case VarType::Object: return "Object";
    case VarType::Missing: return "Error";
  }
  return "Unknown";
}

}  // namespace vorn
