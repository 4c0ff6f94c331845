#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "foundation/Control.h"
#include "library/TypeLibrary.h"
#include "library/TypeLibraryIdl.h"

namespace vorn {
namespace {

std::string DispIdText(DispId id) {
  if (id > 0xFFFF || id < -1024) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<uint32_t>(id));
    return buf;
  }
  return std::to_string(id);
}

std::string AccessText(uint16_t a) {
  std::string s;
  for (auto [bit, letter] : {std::pair{kGet, "G"}, {kLet, "L"}, {kSet, "S"}, {kMethod, "M"}}) {
    if (!(a & bit)) continue;
    if (!s.empty()) s += "/";
    s += letter;
  }
  return s;
}

std::string DefaultText(const DefaultValue& d) {
  switch (d.kind) {
    case DefaultValue::Int: return std::to_string(d.i);
    case DefaultValue::Bool: return d.i ? "True" : "False";
    case DefaultValue::Str: return "\"" + std::string(d.s) + "\"";
    case DefaultValue::None: break;
  }
  return "?";
}

// The library as the committed list describes it, produced from the very tables objects dispatch
// through.
std::vector<std::string> Listing(const std::set<std::string>& classes) {
  const TypeLibraryInfo& lib = TypeLibrary();
  std::vector<std::string> out;
  out.push_back("library " + std::string(lib.name) + " " + GuidToString(*lib.libid) + " 1.0 0x0409");
  for (const LibraryClass& c : lib.classes) {
    if (!classes.count(std::string(c.name))) continue;
    out.push_back("class " + std::string(c.name) + (c.kind == ClassKind::Control ? " control " : " class ") +
                  GuidToString(*c.clsid) + " " + std::string(c.defaultInterface) + " " + GuidToString(*c.defaultIid) +
                  " " + (c.eventIid ? std::string(c.eventInterface) + " " + GuidToString(*c.eventIid) : "- -"));
    const ClassInfo& t = c.table();
    for (const MemberInfo& m : t.members) {
      std::string line = "member " + std::string(c.defaultInterface) + " " + std::string(m.name) + " " +
                         DispIdText(m.id) + " " + AccessText(m.access) + " " +
                         (m.type.empty() ? "-" : std::string(m.type));
      if (m.field) line += " field";
      if (m.hidden) line += " hidden";
      out.push_back(line);
      for (const ParamInfo& p : m.params) {
        std::string pl = "param " + std::string(c.defaultInterface) + " " + std::string(m.name) + " " +
                         std::string(p.name) + " " + std::string(p.type);
        if (p.optional) pl += " = " + DefaultText(p.def);
        if (!p.byRef) pl += " byval";
        out.push_back(pl);
      }
    }
    for (const EventInfo& e : t.events) {
      std::string line = "event " + std::string(c.eventInterface) + " " + std::to_string(e.id) + " " + std::string(e.name);
      for (const ParamInfo& p : e.params) line += " " + std::string(p.name) + ":" + std::string(p.type);
      out.push_back(line);
    }
  }
  return out;
}

// The committed list, limited to the classes named.
std::vector<std::string> Committed(const std::set<std::string>& classes) {
  std::ifstream in(std::string(VORN_SOURCE_DIR) + "/tests/data/library-ids.txt");
  std::vector<std::string> lines;
  std::string line;
  bool keep = true;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream w(line);
    std::string kind, name;
    w >> kind >> name;
    if (kind == "class") keep = classes.count(name) > 0;
    if (kind == "library" || keep) lines.push_back(line);
  }
  return lines;
}

std::set<std::string> BuiltClasses() {
  std::set<std::string> names;
  for (const LibraryClass& c : TypeLibrary().classes) {
    if (!c.table().name.empty()) names.insert(std::string(c.name));
  }
  return names;
}

TEST(TypeLibraryIds, MatchTheCommittedList) {
  const std::set<std::string> built = BuiltClasses();
  const std::vector<std::string> expected = Committed(built);
  const std::vector<std::string> actual = Listing(built);
  for (size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
    const std::string e = i < expected.size() ? expected[i] : "(nothing)";
    const std::string a = i < actual.size() ? actual[i] : "(nothing)";
    ASSERT_EQ(a, e) << "line " << i + 1 << " of the listing differs from tests/data/library-ids.txt";
  }
}

TEST(TypeLibraryIds, EveryClassHasItsOwnIdentifiers) {
  std::set<std::string> seen;
  const TypeLibraryInfo& lib = TypeLibrary();
  seen.insert(GuidToString(*lib.libid));
  for (const LibraryClass& c : lib.classes) {
    EXPECT_TRUE(seen.insert(GuidToString(*c.clsid)).second) << c.name;
    EXPECT_TRUE(seen.insert(GuidToString(*c.defaultIid)).second) << c.name;
    if (c.eventIid) {
      EXPECT_TRUE(seen.insert(GuidToString(*c.eventIid)).second) << c.name;
    }
    EXPECT_EQ(c.kind == ClassKind::Control, c.eventIid != nullptr) << c.name;
  }
  EXPECT_EQ(seen.size(), 34u);
}

TEST(TypeLibraryIds, ControlsHaveToolboxPicturesAndExtents) {
  int32_t next = 30000;
  for (const LibraryClass& c : TypeLibrary().classes) {
    if (c.kind != ClassKind::Control) continue;
    EXPECT_EQ(c.toolboxBitmap, next++) << c.name;
    const bool slider = c.name == "vornSlider";
    EXPECT_EQ(c.extentX, slider ? 5265 : 4800) << c.name;
    EXPECT_EQ(c.extentY, slider ? 1815 : 3600) << c.name;
  }
  EXPECT_EQ(next, 30007);
}

TEST(TypeLibraryHelp, GermanHelpStringsSitOnTheListedMembersOnly) {
  EXPECT_EQ(HelpStringOf("vornButton", "Font", false), "Gibt ein Font-Objekt zurück.");
  EXPECT_EQ(HelpStringOf("vornScrollBar", "ForeColor", false), "");
  EXPECT_EQ(HelpStringOf("vornButton", "Click", true), "");
  EXPECT_NE(HelpStringOf("vornSlider", "Click", true), "");
  EXPECT_EQ(HelpStringOf("vornButton", "Caption", false), "");
  for (const HelpString& h : TypeLibrary().helpStrings) {
    const LibraryClass* c = FindLibraryClass("vornButton2." + std::string(h.cls));
    ASSERT_NE(c, nullptr) << h.cls;
    EXPECT_EQ(c->kind, ClassKind::Control) << h.cls << "." << h.member;
  }
}

TEST(TypeLibraryClasses, ProgrammaticIdentifiersFindTheirClassesWithoutRegardToCase) {
  const LibraryClass* c = FindLibraryClass("VORNBUTTON2.VORNSLIDER");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->name, "vornSlider");
  EXPECT_EQ(FindLibraryClass(*c->clsid), c);
  EXPECT_EQ(FindLibraryClass("vornButton2.vornXButton"), nullptr);
  EXPECT_EQ(FindLibraryClass("vornSlider"), nullptr);
  GUID g{};
  EXPECT_TRUE(ParseGuid("{59f7e937-d832-4594-9280-d25361380da6}", g));
  EXPECT_TRUE(SameGuid(g, *c->clsid));
  EXPECT_FALSE(ParseGuid("{59f7e937-d832-4594-9280-d25361380da}", g));
  EXPECT_FALSE(ParseGuid("59f7e937xd832-4594-9280-d25361380da6", g));
}

}  // namespace
}  // namespace vorn

#include "library/ToolboxPicture.h"

namespace vorn {
namespace {

TEST(ToolboxPictures, EveryPublicControlHasA16By15PictureInTheSixteenColours) {
  for (const LibraryClass& c : TypeLibrary().classes) {
    if (c.kind != ClassKind::Control) continue;
    Ref<Picture> p = ToolboxPicture(c.toolboxBitmap);
    ASSERT_TRUE(p) << c.name;
    EXPECT_EQ(p->Width(), 16);
    EXPECT_EQ(p->Height(), 15);
    std::set<uint32_t> colours;
    for (int y = 0; y < 15; ++y) {
      for (int x = 0; x < 16; ++x) {
        const uint32_t px = p->At(x, y);
        EXPECT_EQ(px >> 24, 0xFFu);
        colours.insert(px & 0xFFFFFF);
      }
    }
    for (uint32_t colour : colours) {
      EXPECT_NE(std::find(StandardColors16(), StandardColors16() + 16, colour), StandardColors16() + 16);
    }
  }
  uint32_t pixels[16 * 15] = {};
  EXPECT_EQ(vornGetToolboxPicture(30003, pixels), S_OK);
  EXPECT_EQ(pixels[16 * 2 + 1], 0xFFFFFFu);  // the button's lit top-left edge
  EXPECT_EQ(vornGetToolboxPicture(1, pixels), E_INVALIDARG);
  EXPECT_FALSE(ToolboxPicture(29999));
  EXPECT_FALSE(ToolboxPicture(30007));
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

// The BMP the Windows build embeds: a 4-bit picture whose palette and pixels read back as the
// toolbox picture, rows bottom-up.
TEST(ToolboxPictures, BitmapFilesHoldTheSamePixels) {
  const std::string f = ToolboxBitmapFile(30002);
  const auto u32 = [&](size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(f[at]) | static_cast<uint8_t>(f[at + 1]) << 8 |
                                 static_cast<uint8_t>(f[at + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(f[at + 3])) << 24);
  };
  ASSERT_EQ(f.size(), 14u + 40 + 64 + 8 * 15);
  EXPECT_EQ(f.substr(0, 2), "BM");
  EXPECT_EQ(u32(2), f.size());
  EXPECT_EQ(u32(18), 16u);  // width
  EXPECT_EQ(u32(22), 15u);  // height, positive: bottom-up
  EXPECT_EQ(static_cast<uint8_t>(f[28]), 4);  // bits per pixel
  Ref<Picture> p = ToolboxPicture(30002);
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 16; ++x) {
      const auto packed = static_cast<uint8_t>(f[u32(10) + static_cast<size_t>(14 - y) * 8 + static_cast<size_t>(x / 2)]);
      const uint32_t index = x % 2 ? packed & 0xF : packed >> 4;
      const uint32_t bgr0 = u32(54 + index * 4);  // blue, green, red, 0
      const uint32_t colour = (bgr0 & 0xFF) << 16 | (bgr0 & 0xFF00) | (bgr0 >> 16 & 0xFF);
      EXPECT_EQ(colour, p->At(x, y) & 0xFFFFFF) << x << "," << y;
    }
  }
  EXPECT_EQ(ToolboxBitmapFile(30007), "");
}

// IDL compilers read the code page, not UTF-8; what widl cannot write stays visible as comments.
TEST(TypeLibraryIdl, IsWindows1252AndSaysWhatWidlCannotWrite) {
  const std::string idl = TypeLibraryIdl();
  EXPECT_NE(idl.find("Objekt anzuzeigen"), std::string::npos);
  EXPECT_NE(idl.find("zur\xFC"
                     "ck"),
            std::string::npos);
  EXPECT_EQ(idl.find("zur\xC3\xBC"
                     "ck"),
            std::string::npos);
  EXPECT_NE(idl.find("[in, out, optional /* defaultvalue(\"\") */] BSTR* sGroup"), std::string::npos);
  EXPECT_NE(idl.find("[in, out, optional, defaultvalue(-1)] VARIANT_BOOL* Enabled"), std::string::npos);
  // Every interface is declared before the first definition.
  const size_t firstDefinition = idl.find(" : IDispatch\n    {");
  for (const LibraryClass& c : TypeLibrary().classes) {
    EXPECT_LT(idl.find("    interface " + std::string(c.defaultInterface) + ";\n"), firstDefinition) << c.name;
  }
}

}  // namespace
}  // namespace vorn
