#include <gtest/gtest.h>

#include "foundation/Dispatch.h"
#include "foundation/Events.h"
#include "foundation/Font.h"
#include "foundation/MemberBinding.h"
#include "support/ErrorOf.h"

namespace vorn {
namespace {

using test::ErrorOf;

// A class exercising every kind of member the tables bind.
class Sample : public Object {
 public:
  const ClassInfo& Class() const override;
  int16_t get_Count() const { return count_; }
  void put_Count(int16_t v) { count_ = v; }
  Ref<Object> get_Child() const { return child_; }
  void putref_Child(Ref<Object> o) { child_ = std::move(o); }
  std::string Join(std::string a, int32_t n, bool flag) { return a + std::to_string(n) + (flag ? "T" : "F"); }
  void Double(int32_t& v) { v *= 2; }
  Ref<Object> Item(Variant index) {
    if (index.ToLong() != 1) Raise(errSubscriptOutOfRange);
    return child_;
  }
  int32_t field = 7;

 private:
  int16_t count_ = 0;
  Ref<Object> child_;
};

const ParamInfo kJoinParams[] = {
    {"Text", "String"}, {"N", "Long", true, DefInt(3)}, {"Flag", "Boolean", true, DefBool(true)}};
const ParamInfo kDoubleParams[] = {{"Value", "Long"}};
const ParamInfo kItemParams[] = {{"Index", "Variant"}};
const MemberInfo kSampleMembers[] = {
    {"Item", 0, kGet | kMethod, "Object", kItemParams, &MethodThunk<&Sample::Item>},
    {"Count", 0x68030000, kGet | kLet, "Integer", {}, &PropertyThunk<&Sample::get_Count, &Sample::put_Count>},
    {"Child", 0x68030001, kGet | kSet, "Object", {},
     &PropertyThunk<&Sample::get_Child, nullptr, &Sample::putref_Child>},
    {"Join", 0x60030000, kMethod, "String", kJoinParams, &MethodThunk<&Sample::Join>},
    {"Double", 0x60030001, kMethod, "", kDoubleParams, &MethodThunk<&Sample::Double>},
    {"Field", 0x40030000, kGet | kLet, "Long", {}, &FieldThunk<Sample, int32_t, &Sample::field>, false, true},
};
const ClassInfo kSampleClass{"Sample", kSampleMembers};
const ClassInfo& Sample::Class() const { return kSampleClass; }

TEST(Dispatch, PropertiesByNameIgnoreLetterCase) {
  auto s = MakeRef<Sample>();
  LetMember(*s, "count", Variant("12"));
  EXPECT_EQ(GetMember(*s, "COUNT").ToInteger(), 12);
  EXPECT_EQ(InvokeMember(*s, 0x68030000, kGet, {}).ToInteger(), 12);
  LetMember(*s, "Field", Variant(int32_t{9}));
  EXPECT_EQ(s->field, 9);
}

TEST(Dispatch, ConversionErrorsLeaveTheValue) {
  auto s = MakeRef<Sample>();
  LetMember(*s, "Count", Variant(int32_t{5}));
  EXPECT_EQ(ErrorOf([&] { LetMember(*s, "Count", Variant(int32_t{40000})); }), errOverflow);
  EXPECT_EQ(ErrorOf([&] { LetMember(*s, "Count", Variant("abc")); }), errTypeMismatch);
  EXPECT_EQ(s->get_Count(), 5);
}

TEST(Dispatch, UnknownMembersAndWrongAccessAreNotSupported) {
  auto s = MakeRef<Sample>();
  EXPECT_EQ(ErrorOf([&] { GetMember(*s, "Nope"); }), errNotSupported);
  EXPECT_EQ(ErrorOf([&] { LetMember(*s, "Child", Variant(int32_t{1})); }), errNotSupported);
  EXPECT_EQ(ErrorOf([&] { SetMember(*s, "Count", Variant::Nothing()); }), errNotSupported);
}

TEST(Dispatch, OptionalParametersTakeTheirDefaults) {
  auto s = MakeRef<Sample>();
  std::vector<Variant> args{Variant("x")};
  EXPECT_EQ(InvokeMember(*s, "Join", kMethod, args).ToString(), "x3T");
  std::vector<Variant> withMissing{Variant("y"), Variant::Missing(), Variant(false)};
  EXPECT_EQ(InvokeMember(*s, "Join", kMethod, withMissing).ToString(), "y3F");
  std::vector<Variant> none;
  EXPECT_EQ(ErrorOf([&] { InvokeMember(*s, "Join", kMethod, none); }), errArgumentNotOptional);
  std::vector<Variant> tooMany{Variant("a"), Variant(int32_t{1}), Variant(true), Variant(int32_t{2})};
  EXPECT_EQ(ErrorOf([&] { InvokeMember(*s, "Join", kMethod, tooMany); }), errWrongArgumentCount);
}

TEST(Dispatch, ByReferenceArgumentsAreWrittenBack) {
  auto s = MakeRef<Sample>();
  std::vector<Variant> args{Variant(int32_t{21})};
  InvokeMember(*s, "Double", kMethod, args);
  EXPECT_EQ(args[0].ToLong(), 42);
}

TEST(Dispatch, ArgumentsOnAPlainPropertyGoToItsValuesDefaultMember) {
  auto outer = MakeRef<Sample>();
  auto inner = MakeRef<Sample>();
  auto leaf = MakeRef<Sample>();
  inner->putref_Child(leaf);
  outer->putref_Child(inner);
  // outer.Child(1) reads Child, then calls inner's Item(1), as late-bound hosts do.
  EXPECT_EQ(GetMember(*outer, "Child", Variant(int32_t{1})).ObjectValue(), leaf.get());
  EXPECT_EQ(ErrorOf([&] { GetMember(*outer, "Child", Variant(int32_t{2})); }), errSubscriptOutOfRange);
}

TEST(Dispatch, ObjectArgumentsAreTypeChecked) {
  auto s = MakeRef<Sample>();
  SetMember(*s, "Child", Variant(MakeRef<Font>()));
  EXPECT_NE(dynamic_cast<Font*>(GetMember(*s, "Child").ObjectValue()), nullptr);
  EXPECT_EQ(ErrorOf([] { VariantTraits<Ref<Font>>::From(Variant(MakeRef<Sample>())); }), errTypeMismatch);
}

TEST(Events, SinksChangeByReferenceArguments) {
  struct Doubler : EventSink {
    void OnEvent(Object&, DispId id, std::span<Variant> args) override {
      ids.push_back(id);
      if (!args.empty()) args[0] = Variant(int32_t{args[0].ToLong() * 2});
    }
    std::vector<DispId> ids;
  } sink;
  auto s = MakeRef<Sample>();
  ConnectionPoint cp(*s);
  const uint32_t cookie = cp.Advise(sink);
  int16_t code = 32;
  cp.Fire(2, code);
  EXPECT_EQ(code, 64);
  cp.Unadvise(cookie);
  cp.Fire(2, code);
  EXPECT_EQ(code, 64);
  EXPECT_EQ(sink.ids.size(), 1u);
}

TEST(Objects, LiveObjectsAreCounted) {
  const int32_t before = Object::LiveObjects();
  {
    auto s = MakeRef<Sample>();
    EXPECT_EQ(Object::LiveObjects(), before + 1);
  }
  EXPECT_EQ(Object::LiveObjects(), before);
}

}  // namespace
}  // namespace vorn
