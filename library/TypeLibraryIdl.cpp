#include "library/TypeLibraryIdl.h"

#include <cstdio>
#include <sstream>

#include "foundation/CodePage1252.h"
#include "library/TypeLibrary.h"

namespace vorn {

namespace {

// UTF-8 to Windows-1252 ('?' for what the code page lacks), with the escapes of an IDL string.
std::string IdlString(std::string_view utf8) {
  std::string out = "\"";
  for (size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const int n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    char32_t cp = n == 1 ? c : c & (0x7F >> n);
    for (int k = 1; k < n && i + k < utf8.size(); ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += n;
    if (cp == '"' || cp == '\\') out += '\\';
    const int32_t code = ToCodePage1252(cp);
    out += code < 0 ? '?' : static_cast<char>(code);
  }
  return out + "\"";
}

std::string Hex(int32_t id) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%08X", static_cast<uint32_t>(id));
  return buf;
}

bool IsClassName(std::string_view type) {
  for (const LibraryClass& c : TypeLibrary().classes) {
    if (c.name == type) return true;
  }
  return false;
}

// The IDL type of an automation type name (a value, not yet by reference).
std::string IdlType(std::string_view type) {
  if (type == "Integer") return "short";
  if (type == "Long") return "long";
  if (type == "Single") return "float";
  if (type == "Double") return "double";
  if (type == "Boolean") return "VARIANT_BOOL";
  if (type == "String") return "BSTR";
  if (type == "Variant") return "VARIANT";
  if (type == "Object") return "IDispatch*";
  if (type == "IUnknown") return "IUnknown*";
  if (type == "Font") return "IFontDisp*";
  if (IsClassName(type)) return "_" + std::string(type) + "*";
  return std::string(type);  // OLE_COLOR and the library's enumerations
}

std::string Param(const ParamInfo& p) {
  std::string attrs = p.byRef ? "in, out" : "in";
  if (p.optional) attrs += ", optional";
  switch (p.def.kind) {
    case DefaultValue::Int:
    case DefaultValue::Bool: attrs += ", defaultvalue(" + std::to_string(p.def.i) + ")"; break;
    case DefaultValue::Str:
      // widl cannot write a string default on a by-reference parameter; the library applies it.
      if (p.byRef) {
        attrs += " /* defaultvalue(" + IdlString(p.def.s) + ") */";
      } else {
        attrs += ", defaultvalue(" + IdlString(p.def.s) + ")";
      }
      break;
    case DefaultValue::None: break;
  }
  return "[" + attrs + "] " + IdlType(p.type) + (p.byRef ? "* " : " ") + std::string(p.name);
}

std::string Params(std::span<const ParamInfo> params, const std::string& last) {
  std::string s;
  for (const ParamInfo& p : params) {
    if (!s.empty()) s += ", ";
    s += Param(p);
  }
  if (!last.empty()) s += (s.empty() ? "" : ", ") + last;
  return s;
}

std::string Attributes(int32_t id, const char* kind, bool hidden, std::string_view help) {
  std::string a = "[id(" + Hex(id) + ")";
  if (*kind) a += std::string(", ") + kind;
  if (hidden) a += ", hidden";
  if (!help.empty()) a += ", helpstring(" + IdlString(help) + ")";
  return a + "]";
}

// A type library keeps one spelling of each name whatever its case, so the put value and the
// result are named to collide with no member (RHS, retVal).
void WriteInterface(std::ostream& out, const LibraryClass& c) {
  out << "    [uuid(" << GuidToString(*c.defaultIid).substr(1, 36) << "), dual, hidden, nonextensible, oleautomation]\n"
      << "    interface " << c.defaultInterface << " : IDispatch\n    {\n";
  for (const MemberInfo& m : c.table().members) {
    const std::string_view help = HelpStringOf(c.name, m.name, false);
    const std::string name(m.name);
    const std::string type = IdlType(m.type);
    const auto line = [&](const char* kind, const std::string& params) {
      out << "        " << Attributes(m.id, kind, m.hidden, help) << " HRESULT " << name << "(" << params << ");\n";
    };
    if (m.access & kMethod) {
      line("", Params(m.params, m.type.empty() ? "" : "[out, retval] " + type + "* retVal"));
      continue;
    }
    if (m.access & kGet) line("propget", Params(m.params, "[out, retval] " + type + "* retVal"));
    if (m.access & kLet) line("propput", Params(m.params, "[in] " + type + " RHS"));
    if (m.access & kSet) line("propputref", Params(m.params, "[in] " + type + " RHS"));
  }
  out << "    };\n\n";
}

void WriteEvents(std::ostream& out, const LibraryClass& c) {
  // widl takes no nonextensible on a dispinterface.
  out << "    [uuid(" << GuidToString(*c.eventIid).substr(1, 36) << "), hidden /* nonextensible */]\n"
      << "    dispinterface " << c.eventInterface << "\n    {\n    properties:\n    methods:\n";
  for (const EventInfo& e : c.table().events) {
    out << "        " << Attributes(e.id, "", false, HelpStringOf(c.name, e.name, true)) << " void " << e.name << "("
        << Params(e.params, "") << ");\n";
  }
  out << "    };\n\n";
}

}  // namespace

std::string TypeLibraryIdl() {
  const TypeLibraryInfo& lib = TypeLibrary();
  std::ostringstream out;
  out << "// The vornButton2 type library, written by `vornform typelib --idl` from the library's member\n"
         "// tables. Windows-1252 text; compile with widl (or MIDL) against stdole2.tlb.\n\n"
         "import \"oaidl.idl\";\n\n"
         "// Named here so that the library refers to stdole's own OLE_COLOR and font interface.\n"
         "typedef [public] DWORD OLE_COLOR;\n"
         "[object, uuid(BEF6E003-A874-101A-8BBA-00AA00300CAB), dual, oleautomation]\n"
         "interface IFontDisp : IDispatch {}\n\n";
  out << "[uuid(" << GuidToString(*lib.libid).substr(1, 36) << "), version(" << lib.majorVersion << "."
      << lib.minorVersion << "), lcid(" << Hex(static_cast<int32_t>(kWindowsTypeLibraryLcid)) << "), helpstring("
      << IdlString(lib.helpString) << ")]\nlibrary " << lib.name << "\n{\n    importlib(\"stdole2.tlb\");\n\n";
  for (const LibraryEnum& e : lib.enums) {
    out << "    typedef enum " << e.name << "\n    {\n";
    for (size_t i = 0; i < e.members.size(); ++i) {
      out << "        " << e.members[i].name << " = " << e.members[i].value << (i + 1 < e.members.size() ? "," : "")
          << "\n";
    }
    out << "    } " << e.name << ";\n\n";
  }
  // Declared before any definition refers to them, or widl writes a wrong library identifier.
  for (const LibraryClass& c : lib.classes) {
    out << "    interface " << c.defaultInterface << ";\n";
    if (c.eventIid) out << "    dispinterface " << c.eventInterface << ";\n";
  }
  out << "\n";
  for (const LibraryClass& c : lib.classes) {
    WriteInterface(out, c);
    if (c.eventIid) WriteEvents(out, c);
    out << "    [uuid(" << GuidToString(*c.clsid).substr(1, 36) << ")"
        << (c.kind == ClassKind::Control ? ", control" : "") << (c.create ? "" : ", noncreatable") << "]\n"
        << "    coclass " << c.name << "\n    {\n        [default] interface " << c.defaultInterface << ";\n";
    if (c.eventIid) out << "        [default, source] dispinterface " << c.eventInterface << ";\n";
    out << "    };\n\n";
  }
  out << "};\n";
  return out.str();
}

}  // namespace vorn
