// Every stored property of every public control survives a save and a load into a fresh form;
// a control left at its defaults writes nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/Dispatch.h"
#include "foundation/Font.h"
#include "host/form/Form.h"
#include "library/TypeLibrary.h"

namespace vorn {
namespace {

// What a control writes, defaults included.
struct WrittenProperty {
  std::string name;
  Variant value;
  Variant defaultValue;
};
class RecordingBag final : public PropertyBag {
 public:
  std::vector<WrittenProperty> written;
  Variant ReadProperty(std::string_view, const Variant& d) override { return d; }
  void WriteProperty(std::string_view name, const Variant& value, const Variant& d) override {
    written.push_back({std::string(name), value, d});
  }
  void ReportBadValue(std::string_view, const RuntimeError&) override {}
};

// A value of the same kind as the property's (its value at the defaults), and not equal to it.
Variant Other(const std::string& name, const Variant& d, const Ref<ImageList>& icons) {
  switch (d.Type()) {
    case VarType::Boolean: return Variant(!d.ToBool());
    case VarType::Integer: return Variant(static_cast<int16_t>(d.ToInteger() + 1));
    case VarType::Long:
      if (name.find("Color") != std::string::npos) return Variant::FromColor(d.ToColor() ^ 0x102030);
      return Variant(d.ToLong() + 1);
    case VarType::Single: return Variant(d.ToSingle() + 0.5f);
    case VarType::Double: return Variant(d.ToDouble() + 0.5);
    case VarType::String: return Variant(d.StringValue() + "x");
    default: break;
  }
  if (auto* f = dynamic_cast<Font*>(d.ObjectValue())) {
    Ref<Font> other = MakeRef<Font>(f->Name(), f->Size() + 2, !f->Bold());
    return Variant(other);
  }
  return Variant(Ref<Object>(icons));  // an object property left at Nothing: the image list
}

struct OneControl {
  HeadlessHost host;
  std::vector<std::string> errors;
  std::unique_ptr<Form> form;
  OneControl(const std::string& cls, const Json* properties, const Ref<ImageList>& icons,
             const std::string& path = "") {
    Json doc = Json::parse(R"({ "vornform": 1, "form": { "name": "F", "width": 400, "height": 300 } })");
    Json control{{"class", cls}, {"name", "c"}, {"left", 10}, {"top", 10}, {"width", 200}, {"height", 41}};
    if (properties) control["properties"] = *properties;
    doc["controls"] = Json::array({control});
    FormDocument parsed = path.empty() ? ParseFormDocument(doc.dump(), "rt.json", errors) : LoadFormDocument(path, errors);
    form = std::make_unique<Form>(host, std::move(parsed), nullptr, errors, std::vector<Ref<ImageList>>{icons});
  }
  Control& Get() { return *form->FindControl("c"); }
  std::vector<WrittenProperty> Written() {
    RecordingBag bag;
    Get().UserControl_WriteProperties(bag);
    return bag.written;
  }
};

TEST(RoundTrip, EveryStoredPropertyOfEveryPublicControlComesBackAndDefaultsWriteNothing) {
  auto icons = MakeRef<ImageList>("icons", int16_t{16}, int16_t{16});
  icons->Add(MakeRef<Picture>(16, 16, std::vector<uint32_t>(256, 0xFF0000FF)));
  const ImageListNamer namer = [&](const Object* o) { return o == icons.get() ? std::string("icons") : std::string(); };
  const std::string dir = testing::TempDir() + "vorn-roundtrip/";
  std::filesystem::create_directories(dir);
  int controls = 0;
  for (const LibraryClass& cls : TypeLibrary().classes) {
    if (cls.kind != ClassKind::Control || !cls.create) continue;
    ++controls;
    const std::string progId = ProgIdOf(cls);
    SCOPED_TRACE(progId);
    // At its defaults a control writes nothing.
    OneControl fresh(progId, nullptr, icons);
    ASSERT_TRUE(fresh.errors.empty()) << fresh.errors[0];
    std::vector<std::string> saveErrors;
    EXPECT_TRUE(fresh.form->Snapshot(saveErrors).controls[0].properties.empty());

    // Every property it writes, set to something else, stored, saved, and loaded in a fresh form.
    Json stored = Json::object();
    for (const WrittenProperty& p : fresh.Written()) stored[p.name] = VariantToJson(Other(p.name, p.value, icons), namer);
    ASSERT_FALSE(stored.empty());
    OneControl first(progId, &stored, icons);
    ASSERT_TRUE(first.errors.empty()) << first.errors[0];
    SaveFormDocument(first.form->Snapshot(saveErrors), dir + "form.json");
    EXPECT_TRUE(saveErrors.empty());
    OneControl again(progId, nullptr, icons, dir + "form.json");
    ASSERT_TRUE(again.errors.empty()) << again.errors[0];
    for (const WrittenProperty& p : again.Written()) {
      EXPECT_EQ(VariantToJson(p.value, namer), stored[p.name]) << p.name;
      // And through automation, where a member of that name reads it.
      const MemberInfo* member = again.Get().Class().Find(p.name);
      if (!member || !(member->access & kGet) || !member->params.empty()) continue;
      const Variant read = InvokeMember(again.Get(), *member, kGet, {});
      EXPECT_EQ(VariantToJson(read, namer), stored[p.name]) << p.name << " read by member";
    }
  }
  EXPECT_EQ(controls, 7);
}

}  // namespace
}  // namespace vorn
