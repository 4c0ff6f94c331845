#include "host/form/JsonVariant.h"

#include "foundation/Font.h"
#include "foundation/MemberTable.h"
#include "foundation/RuntimeError.h"

namespace vorn {

Variant JsonToVariant(const Json& j, const ImageListResolver& lists) {
  if (j.is_boolean()) return Variant(j.get<bool>());
  if (j.is_number_integer()) {
    if (j.is_number_unsigned()) {
      const auto u = j.get<uint64_t>();
      if (u <= INT32_MAX) return Variant(static_cast<int32_t>(u));
      return Variant(static_cast<double>(u));
    }
    const auto n = j.get<int64_t>();
    if (n >= INT32_MIN && n <= INT32_MAX) return Variant(static_cast<int32_t>(n));
    return Variant(static_cast<double>(n));
  }
  if (j.is_number()) return Variant(j.get<double>());
  if (j.is_string()) return Variant(j.get<std::string>());
  if (j.is_null()) return Variant::Nothing();
  if (j.is_object() && j.contains("imageList")) {
    if (!j["imageList"].is_string()) Raise(errTypeMismatch, "\"imageList\" must name an image list");
    const std::string name = j["imageList"].get<std::string>();
    Ref<Object> list = lists ? lists(name) : Ref<Object>();
    if (!list) Raise(errTypeMismatch, "no image list named \"" + name + "\"");
    return Variant(list);
  }
  if (j.is_object() && j.contains("name")) {
    try {
      const FontSpec desc = FontFromJson(j);
      Ref<Font> f = MakeRef<Font>(desc.name, desc.size, desc.bold);
      f->SetItalic(desc.italic);
      if (j.contains("underline") && j["underline"].is_boolean()) f->SetUnderline(j["underline"].get<bool>());
      if (j.contains("strikethrough") && j["strikethrough"].is_boolean()) {
        f->SetStrikethrough(j["strikethrough"].get<bool>());
      }
      return Variant(f);
    } catch (const std::runtime_error& e) {
      Raise(errTypeMismatch, e.what());
    }
  }
  Raise(errTypeMismatch, "a " + std::string(j.type_name()) + " is not a property value");
}

Json VariantToJson(const Variant& v, const ImageListNamer& names) {
  switch (v.Type()) {
    case VarType::Empty:
    case VarType::Null:
    case VarType::Missing: return nullptr;
    case VarType::Integer:
    case VarType::Long: return v.ToLong();
    case VarType::Single: return static_cast<double>(v.ToSingle());
    case VarType::Double: return v.ToDouble();
    case VarType::Boolean: return v.ToBool();
    case VarType::String: return v.StringValue();
    case VarType::Object: break;
  }
  Object* o = v.ObjectValue();
  if (!o) return nullptr;
  if (auto* f = dynamic_cast<Font*>(o)) {
    Json j = FontToJson(FontSpec{f->Name(), f->Size(), f->Bold(), f->Italic()});
    if (f->Underline()) j["underline"] = true;
    if (f->Strikethrough()) j["strikethrough"] = true;
    return j;
  }
  const std::string name = names ? names(o) : std::string();
  if (!name.empty()) return Json{{"imageList", name}};
  Raise(errTypeMismatch, "an object of class " + std::string(o->Class().name) + " cannot be stored");
}

bool SameStoredValue(const Variant& a, const Variant& b) {
  auto* fa = dynamic_cast<Font*>(a.ObjectValue());
  auto* fb = dynamic_cast<Font*>(b.ObjectValue());
  if (fa && fb) return fa->SameLook(*fb);
  return a == b;
}

}  // namespace vorn
