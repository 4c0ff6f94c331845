#include "library/win32/StoredProperties.h"

#include <cstring>

#include "foundation/Font.h"
#include "library/com/ComPlatform.h"
#include "library/com/VariantMarshal.h"
#include "library/win32/OleFont.h"
#include "library/win32/Utf16.h"

namespace vorn {

namespace {

constexpr char kMagic[4] = {'v', 'B', '2', 'S'};
constexpr uint32_t kVersion = 1;
// More than any control stores: a damaged count cannot ask for gigabytes.
constexpr uint32_t kMaxEntries = 256;
constexpr uint32_t kMaxName = 256;
constexpr uint32_t kMaxText = 1u << 20;

enum Kind : uint8_t { kEmpty, kNothing, kNull, kInteger, kLong, kSingle, kDouble, kBoolean, kString, kFont };

bool SameName(std::string_view a, std::string_view b) { return a.size() == b.size() && CompareStringOrdinal(Utf16(a).c_str(), -1, Utf16(b).c_str(), -1, TRUE) == CSTR_EQUAL; }

class Writer {
 public:
  void Bytes(const void* p, size_t n) { out.append(static_cast<const char*>(p), n); }
  template <class T>
  void Plain(T v) { Bytes(&v, sizeof v); }
  void Text(const std::string& s) {
    Plain(static_cast<uint32_t>(s.size()));
    Bytes(s.data(), s.size());
  }
  void Value(const Variant& v) {
    switch (v.Type()) {
      case VarType::Integer: Plain(kInteger), Plain(v.ToInteger()); return;
      case VarType::Long: Plain(kLong), Plain(v.ToLong()); return;
      case VarType::Single: Plain(kSingle), Plain(v.ToSingle()); return;
      case VarType::Double: Plain(kDouble), Plain(v.ToDouble()); return;
      case VarType::Boolean: Plain(kBoolean), Plain(static_cast<uint8_t>(v.ToBool())); return;
      case VarType::String: Plain(kString), Text(v.StringValue()); return;
      case VarType::Null: Plain(kNull); return;
      case VarType::Object:
        if (auto* f = dynamic_cast<const Font*>(v.ObjectValue())) {
          Plain(kFont);
          Text(f->Name());
          Plain(f->Size());
          Plain(static_cast<uint8_t>(f->Bold() | f->Italic() << 1 | f->Underline() << 2 | f->Strikethrough() << 3));
          return;
        }
        Plain(kNothing);
        return;
      default: Plain(kEmpty); return;
    }
  }
  std::string out;
};

class Reader {
 public:
  Reader(IStream* s, std::string& error) : stream_(s), error_(error) {}
  bool Bytes(void* p, size_t n, const char* what) {
    ULONG got = 0;
    if (n && (FAILED(stream_->lpVtbl->Read(stream_, p, static_cast<ULONG>(n), &got)) || got != n)) {
      return Fail(std::string("the stream ends inside ") + what);
    }
    return true;
  }
  template <class T>
  bool Plain(T& v, const char* what) { return Bytes(&v, sizeof v, what); }
  bool Text(std::string& s, uint32_t limit, const char* what) {
    uint32_t n = 0;
    if (!Plain(n, what)) return false;
    if (n > limit) return Fail(std::string(what) + " of " + std::to_string(n) + " bytes (at most " + std::to_string(limit) + ")");
    s.resize(n);
    return Bytes(s.data(), n, what);
  }
  bool Value(Variant& v, const std::string& name) {
    uint8_t kind = 0;
    if (!Plain(kind, "a value")) return false;
    switch (kind) {
      case kEmpty: v = Variant(); return true;
      case kNothing: v = Variant::Nothing(); return true;
      case kNull: v = Variant::Null(); return true;
      case kInteger: { int16_t x; if (!Plain(x, "a value")) return false; v = Variant(x); return true; }
      case kLong: { int32_t x; if (!Plain(x, "a value")) return false; v = Variant(x); return true; }
      case kSingle: { float x; if (!Plain(x, "a value")) return false; v = Variant(x); return true; }
      case kDouble: { double x; if (!Plain(x, "a value")) return false; v = Variant(x); return true; }
      case kBoolean: { uint8_t x; if (!Plain(x, "a value")) return false; v = Variant(x != 0); return true; }
      case kString: { std::string s; if (!Text(s, kMaxText, "a text")) return false; v = Variant(std::move(s)); return true; }
      case kFont: {
        std::string face;
        float size = 0;
        uint8_t flags = 0;
        if (!Text(face, kMaxName, "a font name") || !Plain(size, "a font") || !Plain(flags, "a font")) return false;
        if (!(size > 0 && size < 10000)) return Fail("property \"" + name + "\": a font of size " + FormatReal(size, true));
        Ref<Font> f = MakeRef<Font>(std::move(face), size, (flags & 1) != 0);
        f->SetItalic((flags & 2) != 0);
        f->SetUnderline((flags & 4) != 0);
        f->SetStrikethrough((flags & 8) != 0);
        v = Variant(Ref<Object>(f));
        return true;
      }
      default: return Fail("property \"" + name + "\": unknown kind of value " + std::to_string(kind));
    }
  }
  bool Fail(std::string what) {
    error_ = std::move(what);
    return false;
  }

 private:
  IStream* stream_;
  std::string& error_;
};

void Serialise(const std::vector<std::pair<std::string, Variant>>& entries, Writer& w) {
  w.Bytes(kMagic, 4);
  w.Plain(kVersion);
  w.Plain(static_cast<uint32_t>(entries.size()));
  for (const auto& [name, value] : entries) {
    w.Text(name);
    w.Value(value);
  }
}

}  // namespace

Variant PropertyList::ReadProperty(std::string_view name, const Variant& defaultValue) {
  for (const auto& [n, v] : entries_) {
    if (SameName(n, name)) return v;
  }
  return defaultValue;
}

void PropertyList::WriteProperty(std::string_view name, const Variant& value, const Variant&) {
  entries_.emplace_back(std::string(name), value);
}

bool PropertyList::Save(IStream* stream) const {
  Writer w;
  Serialise(entries_, w);
  ULONG written = 0;
  return SUCCEEDED(stream->lpVtbl->Write(stream, w.out.data(), static_cast<ULONG>(w.out.size()), &written)) &&
         written == w.out.size();
}

ULONGLONG PropertyList::SavedSize() const {
  Writer w;
  Serialise(entries_, w);
  return w.out.size();
}

bool PropertyList::Load(IStream* stream, std::string& error) {
  Reader r(stream, error);
  char magic[4] = {};
  uint32_t version = 0, count = 0;
  if (!r.Bytes(magic, 4, "the header")) return false;
  if (std::memcmp(magic, kMagic, 4) != 0) return r.Fail("these are not properties of vornButton2");
  if (!r.Plain(version, "the header") || !r.Plain(count, "the header")) return false;
  if (version != kVersion) return r.Fail("version " + std::to_string(version) + " of the stored properties is not known");
  if (count > kMaxEntries) return r.Fail(std::to_string(count) + " properties (at most " + std::to_string(kMaxEntries) + ")");
  std::vector<std::pair<std::string, Variant>> entries;
  for (uint32_t i = 0; i < count; ++i) {
    std::string name;
    Variant value;
    if (!r.Text(name, kMaxName, "a property name") || !r.Value(value, name)) return false;
    entries.emplace_back(std::move(name), std::move(value));
  }
  entries_ = std::move(entries);
  return true;
}

Variant ContainerBag::ReadProperty(std::string_view name, const Variant& defaultValue) {
  const std::wstring w = Utf16(name);
  VARIANT v;
  VariantInit(&v);
  if (FAILED(bag_->lpVtbl->Read(bag_, w.c_str(), &v, log_))) return defaultValue;
  try {
    Variant value = FromVARIANT(v);
    VariantClear(&v);
    return value;
  } catch (...) {
    VariantClear(&v);
    throw;
  }
}

void ContainerBag::WriteProperty(std::string_view name, const Variant& value, const Variant& defaultValue) {
  if (!saveAll_ && value == defaultValue) return;
  VARIANT v;
  VariantInit(&v);
  if (value.IsObject() && value.ObjectValue()) {
    // A font goes as a standard font object, which the container's bag knows how to keep.
    auto* font = dynamic_cast<const Font*>(value.ObjectValue());
    if (!font) return;  // another object (an image list) belongs to the form
    v.vt = VT_DISPATCH;
    v.pdispVal = NewOleFont(*font);
    if (!v.pdispVal) return;
  } else {  // Nothing goes as an empty object reference
    ToVARIANT(value, v);
  }
  const std::wstring w = Utf16(name);
  const HRESULT hr = bag_->lpVtbl->Write(bag_, w.c_str(), &v);
  if (FAILED(hr) && SUCCEEDED(writeResult_)) writeResult_ = hr;
  VariantClear(&v);
}

void ContainerBag::ReportBadValue(std::string_view name, const RuntimeError& error) {
  if (!log_) return;
  const std::wstring w = Utf16(name), source = Utf16("vornButton2"), text = Utf16(error.what());
  EXCEPINFO e{};
  e.bstrSource = SysAllocString(source.c_str());
  e.bstrDescription = SysAllocString(text.c_str());
  e.scode = static_cast<SCODE>(0x800A0000u | static_cast<uint32_t>(error.Number() & 0xFFFF));
  log_->lpVtbl->AddError(log_, w.c_str(), &e);
  SysFreeString(e.bstrSource);
  SysFreeString(e.bstrDescription);
}

}  // namespace vorn
