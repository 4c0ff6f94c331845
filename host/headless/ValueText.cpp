#include "host/headless/ValueText.h"

#include <nlohmann/json.hpp>

#include "foundation/MemberTable.h"

namespace vorn {

std::string FormatValue(const Variant& v) {
  switch (v.Type()) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Missing: return "Missing";
    case VarType::String: return nlohmann::json(v.StringValue()).dump();
    case VarType::Object: {
      Object* o = v.ObjectValue();
      return o ? "[" + std::string(o->Class().name) + "]" : "Nothing";
    }
    default: return v.ToString();
  }
}

}  // namespace vorn
