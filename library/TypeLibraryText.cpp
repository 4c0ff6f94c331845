#include "library/TypeLibraryText.h"

#include <cstdio>
#include <sstream>

#include "library/TypeLibrary.h"

namespace vorn {

namespace {

std::string Hex(int32_t id) {
  char buf[16];
  if (id >= -1024 && id <= 0) return std::to_string(id);
  std::snprintf(buf, sizeof buf, "0x%08X", static_cast<uint32_t>(id));
  return buf;
}

std::string Access(const MemberInfo& m) {
  std::string a;
  auto add = [&](bool on, const char* what) {
    if (!on) return;
    if (!a.empty()) a += "/";
    a += what;
  };
  add(m.access & kMethod, "method");
  add(m.access & kGet, "get");
  add(m.access & kLet, "let");
  add(m.access & kSet, "set");
  if (m.field) a += " (field)";
  if (m.hidden) a += " (hidden)";
  return a;
}

std::string Params(std::span<const ParamInfo> params) {
  std::string s = "(";
  for (size_t i = 0; i < params.size(); ++i) {
    const ParamInfo& p = params[i];
    if (i) s += ", ";
    if (p.optional) s += "Optional ";
    s += p.byRef ? "ByRef " : "ByVal ";
    s += std::string(p.name) + " As " + std::string(p.type);
    if (p.optional && p.def.kind != DefaultValue::None) {
      switch (p.def.kind) {
        case DefaultValue::Int: s += " = " + std::to_string(p.def.i); break;
        case DefaultValue::Bool: s += p.def.i ? " = True" : " = False"; break;
        case DefaultValue::Str: s += " = \"" + std::string(p.def.s) + "\""; break;
        case DefaultValue::None: break;
      }
    }
  }
  return s + ")";
}

}  // namespace

std::string DescribeTypeLibrary() {
  const TypeLibraryInfo& lib = TypeLibrary();
  std::ostringstream out;
  char lcid[16];
  std::snprintf(lcid, sizeof lcid, "0x%04X", lib.lcid);
  out << "library " << lib.name << " " << lib.majorVersion << "." << lib.minorVersion << ", locale " << lcid
      << ", help \"" << lib.helpString << "\" " << GuidToString(*lib.libid) << "\n";
  for (const LibraryEnum& e : lib.enums) {
    out << "\nenum " << e.name << "\n";
    for (const EnumMember& m : e.members) out << "  " << m.name << " = " << m.value << "\n";
  }
  for (const LibraryClass& c : lib.classes) {
    out << "\nclass " << c.name << " (" << (c.kind == ClassKind::Control ? "control" : "class")
        << (c.create ? ", creatable" : ", not creatable by hosts") << ") " << GuidToString(*c.clsid) << "\n";
    out << "  interface " << c.defaultInterface << " " << GuidToString(*c.defaultIid)
        << " (dual, hidden, non-extensible)\n";
    if (c.eventIid) {
      out << "  events " << c.eventInterface << " " << GuidToString(*c.eventIid)
          << " (dispatch only, hidden, non-extensible)\n";
    }
    if (c.kind == ClassKind::Control) {
      out << "  toolbox picture " << c.toolboxBitmap << ", default extent " << c.extentX << " x " << c.extentY
          << " twips\n";
    }
    const ClassInfo& t = c.table();
    for (const MemberInfo& m : t.members) {
      out << "    " << Hex(m.id) << "  " << m.name;
      if (!m.params.empty()) out << Params(m.params);
      out << "  " << Access(m);
      if (!m.type.empty()) out << "  As " << m.type;
      if (!m.category.empty()) out << "  [" << m.category << "]";
      const std::string_view help = HelpStringOf(c.name, m.name, false);
      if (!help.empty()) out << "  \"" << help << "\"";
      out << "\n";
    }
    for (const EventInfo& e : t.events) {
      out << "    event " << e.id << "  " << e.name << Params(e.params);
      const std::string_view help = HelpStringOf(c.name, e.name, true);
      if (!help.empty()) out << "  \"" << help << "\"";
      out << "\n";
    }
  }
  return out.str();
}

}  // namespace vorn
