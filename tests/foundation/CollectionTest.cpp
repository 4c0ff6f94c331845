#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/CaseFold.h"
#include "foundation/Collection.h"
#include "foundation/CollectionEnumerator.h"
#include "foundation/Font.h"
#include "foundation/MemberTable.h"
#include "foundation/RuntimeError.h"
#include "support/ErrorOf.h"

namespace vorn {
namespace {

using test::ErrorOf;

// Entries are fonts named after their key, so a test can tell them apart.
Ref<Object> Entry(const std::string& name) { return MakeRef<Font>(name, 8.0f); }
std::string NameOf(const Ref<Object>& o) { return static_cast<Font*>(o.get())->Name(); }

std::vector<std::string> Walk(const Collection& c) {
  std::vector<std::string> names;
  for (const Ref<Object>& o : c) names.push_back(NameOf(o));
  return names;
}

// An owner object for enumerators (they keep it alive while they walk).
struct Owner : Object {
  Collection list;
  const ClassInfo& Class() const override {
    static const ClassInfo info{"Owner", {}};
    return info;
  }
};

TEST(CollectionKeys, LetterCaseIsIgnoredAlsoForLatin1Letters) {
  Collection c;
  c.Add(Entry("open"), "Open");
  EXPECT_EQ(ErrorOf([&] { c.Add(Entry("x"), "OPEN"); }), errKeyAlreadyAssociated);
  c.Add(Entry("oeffnen"), "\xC3\x96" "ffnen");  // "Öffnen"
  EXPECT_EQ(ErrorOf([&] { c.Add(Entry("x"), "\xC3\xB6" "FFNEN"); }), errKeyAlreadyAssociated);  // "öFFNEN"
  // The multiplication and division signs sit where a capital and a small letter would: distinct.
  c.Add(Entry("times"), "\xC3\x97");
  c.Add(Entry("divide"), "\xC3\xB7");
  EXPECT_EQ(c.Count(), 4);
  EXPECT_EQ(NameOf(c.Item(Variant("OPEN"))), "open");
  EXPECT_EQ(NameOf(c.Item(Variant("\xC3\xB6" "ffnen"))), "oeffnen");
  EXPECT_EQ(NameOf(c.Item(Variant("\xC3\xB7"))), "divide");
}

// Keys fold by the full Unicode case folding (libunistring), and by nothing else: no
// normalisation, and text that is not UTF-8 folds its ASCII letters only.
TEST(CollectionKeys, FoldByTheFullUnicodeCaseFolding) {
  const std::string longUpper = [] {
    std::string s;
    for (int i = 0; i < 300; ++i) s += "\xC3\x84";  // "Ä" 300 times: folded beyond the inline buffer
    return s;
  }();
  std::string longLower = longUpper;
  for (size_t i = 1; i < longLower.size(); i += 2) longLower[i] = '\xA4';  // "ä"
  const struct {
    std::string a, b;
    bool same;
  } cases[] = {
      {"\xC5\xA0", "\xC5\xA1", true},                                  // Š š
      {"\xCE\xA9", "\xCF\x89", true},                                  // Ω ω
      {"\xCE\x9F\xCE\x94\xCE\x9F\xCE\xA3", "\xCE\xBF\xCE\xB4\xCE\xBF\xCF\x82", true},  // ΟΔΟΣ οδος
      {"STRASSE", "stra\xC3\x9F" "e", true},                               // straße
      {"\xE2\x84\xAA", "k", true},                                       // the Kelvin sign
      {"\xC7\x85", "\xC7\x86", true},                                    // ǅ ǆ
      {longUpper, longLower, true},
      {longUpper + "x", longLower, false},
      {"\xC4\xB1", "i", false},                                           // dotless ı
      {"\xC3\xA9", "e\xCC\x81", false},                                  // é and e with a combining accent
      {"AB\xFF", "ab\xFF", true},
      {"\xC3", "\xE3", false},
      {"KEY", "key", true},
      {"Stra\xC3\x9F" "e", "STRASSE", true},                            // Straße
      {"\xC7\x84", "\xC7\x85", true},                                    // Ǆ ǅ
      {"abc\xC3\x84", "ABC\xC3\xA4", true},                              // abcÄ ABCä
      {"key", "KEY\xC3\xA4", false},
  };
  for (const auto& c : cases) {
    Collection list;
    list.Add(Entry("first"), c.a);
    EXPECT_EQ(ErrorOf([&] { list.Add(Entry("second"), c.b); }) == errKeyAlreadyAssociated, c.same) << c.a << " " << c.b;
    EXPECT_EQ(list.Find(c.b) != nullptr && NameOf(*list.Find(c.b)) == "first", c.same) << c.a << " " << c.b;
  }
}

// Keys of ASCII alone fold by a table, the others by the platform: the table must give each ASCII
// character what the platform gives it, alone and beside other characters.
TEST(CollectionKeys, AsciiFoldsAsThePlatformFoldsIt) {
  for (int c = 0; c < 128; ++c) {
    const std::string ascii(1, static_cast<char>(c));
    char platform[8];
    const size_t n = FoldUnicodeCase(ascii, platform, sizeof platform);
    ASSERT_NE(n, kNotUtf8) << c;
    EXPECT_EQ(FoldedKey(ascii).View(), std::string_view(platform, n)) << c;
    EXPECT_EQ(FoldedKey(ascii + "\xC3\x84").View(), std::string(FoldedKey(ascii).View()) + "\xC3\xA4") << c;  // Ä, ä
  }
}

TEST(CollectionKeys, DuplicateKeyChangesNothing) {
  Collection c;
  c.Add(Entry("a"), "k");
  c.Add(Entry("b"));
  EXPECT_EQ(ErrorOf([&] { c.Add(Entry("c"), "K"); }), errKeyAlreadyAssociated);
  EXPECT_EQ(Walk(c), (std::vector<std::string>{"a", "b"}));
  c.Add(Entry("d"), "d");  // the failed Add left no trace in the key table either
  EXPECT_EQ(NameOf(c.Item(Variant("D"))), "d");
  EXPECT_EQ(NameOf(c.At(3)), "d");
}

TEST(CollectionIndex, NumbersArePositionsStringsAreKeys) {
  Collection c;
  c.Add(Entry("first"), "2");
  c.Add(Entry("second"), "1");
  c.Add(Entry("third"));
  EXPECT_EQ(NameOf(c.Item(Variant(int16_t{1}))), "first");
  EXPECT_EQ(NameOf(c.Item(Variant("1"))), "second");
  EXPECT_EQ(NameOf(c.Item(Variant(2.5))), "second");  // ties to even
  EXPECT_EQ(NameOf(c.Item(Variant(2.51f))), "third");
  EXPECT_EQ(ErrorOf([&] { c.Item(Variant(int32_t{0})); }), errSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { c.Item(Variant(int32_t{4})); }), errSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { c.Item(Variant(true)); }), errSubscriptOutOfRange);  // True is -1
  EXPECT_EQ(ErrorOf([&] { c.Item(Variant(1e300)); }), errSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { c.Item(Variant("nope")); }), errInvalidProcedureCall);
  EXPECT_EQ(ErrorOf([&] { c.Item(Variant("")); }), errInvalidProcedureCall);
  EXPECT_EQ(ErrorOf([&] { c.Item(Variant()); }), errInvalidProcedureCall);
  EXPECT_EQ(ErrorOf([&] { c.Item(Variant::Null()); }), errInvalidUseOfNull);
  EXPECT_EQ(ErrorOf([&] { c.Remove(Variant(int32_t{9})); }), errSubscriptOutOfRange);
  EXPECT_EQ(c.Count(), 3);
}

TEST(CollectionRemove, LaterEntriesMoveUpAndKeepTheirKeys) {
  Collection c;
  for (int i = 1; i <= 6; ++i) c.Add(Entry("e" + std::to_string(i)), "k" + std::to_string(i));
  c.RemoveAt(1);
  c.Remove(Variant("K4"));
  EXPECT_EQ(Walk(c), (std::vector<std::string>{"e2", "e3", "e5", "e6"}));
  EXPECT_EQ(NameOf(c.At(3)), "e5");
  EXPECT_EQ(NameOf(c.Item(Variant("k5"))), "e5");
  EXPECT_EQ(c.Find("k1"), nullptr);
  c.Add(Entry("again"), "k1");  // a removed key is free again
  EXPECT_EQ(NameOf(c.At(5)), "again");
}

TEST(CollectionRemove, ReleasesTheEntry) {
  Collection c;
  Ref<Object> e = Entry("x");
  c.Add(e, "x");
  EXPECT_EQ(e->RefCount(), 2);
  c.Remove(Variant("x"));
  EXPECT_EQ(e->RefCount(), 1);
  EXPECT_EQ(c.Count(), 0);
}

// Random Add and Remove against a plain vector: positions, keys and order must agree throughout,
// through the hole-counting tree, its compaction and appends made while holes exist. A removed key
// is gone, and may come back in another letter case.
TEST(CollectionRemove, AgreesWithASimpleModelUnderRandomEdits) {
  Collection c;
  std::vector<std::pair<std::string, std::string>> model;  // name, key
  std::vector<std::string> removedKeys;
  std::mt19937 rng(12345);
  int serial = 0;
  for (int step = 0; step < 4000; ++step) {
    const bool add = model.empty() || rng() % 100 < 55;
    if (add) {
      const std::string name = "n" + std::to_string(serial++);
      std::string key = rng() % 3 == 0 ? std::string() : "K" + name;
      if (!key.empty() && !removedKeys.empty() && rng() % 4 == 0) {
        key = removedKeys.back();
        removedKeys.pop_back();
        for (char& ch : key) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      }
      c.Add(Entry(name), key);
      model.emplace_back(name, key);
    } else {
      const size_t at = rng() % model.size();
      const std::string key = model[at].second;
      if (!key.empty() && rng() % 2) {
        c.Remove(Variant(key));
      } else {
        c.RemoveAt(static_cast<int32_t>(at + 1));
      }
      model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
      if (!key.empty()) {
        ASSERT_EQ(c.Find(key), nullptr) << "step " << step;
        removedKeys.push_back(key);
      }
    }
    ASSERT_EQ(c.Count(), static_cast<int32_t>(model.size()));
    if (!model.empty()) {
      const size_t probe = rng() % model.size();
      ASSERT_EQ(NameOf(c.At(static_cast<int32_t>(probe + 1))), model[probe].first) << "step " << step;
      if (!model[probe].second.empty()) {
        const Ref<Object>* found = c.Find(model[probe].second);
        ASSERT_TRUE(found && NameOf(*found) == model[probe].first) << "step " << step;
      }
    }
  }
  std::vector<std::string> expected;
  for (const auto& m : model) expected.push_back(m.first);
  EXPECT_EQ(Walk(c), expected);
}

// A queue, added to at the back and emptied from the front through many compactions: every key
// still finds its entry at its position, and removed keys are free again.
TEST(CollectionRemove, AQueueKeepsItsKeysThroughCompactions) {
  Collection c;
  int first = 0, next = 0;
  for (int round = 0; round < 300; ++round) {
    for (int i = 0; i < 7; ++i, ++next) c.Add(Entry(std::to_string(next)), "k" + std::to_string(next));
    for (int i = 0; i < 5; ++i, ++first) c.RemoveAt(1);
    ASSERT_EQ(c.Find("k" + std::to_string(first - 1)), nullptr) << "round " << round;
    for (int k = first; k < next; ++k) {
      const Ref<Object>* found = c.Find("K" + std::to_string(k));
      ASSERT_TRUE(found && NameOf(*found) == std::to_string(k)) << "round " << round << " key " << k;
      ASSERT_EQ(NameOf(c.At(k - first + 1)), std::to_string(k));
    }
  }
  c.Add(Entry("again"), "K0");
  EXPECT_EQ(NameOf(c.Item(Variant("k0"))), "again");
}

// Emptying from the front needs no tree; a removal behind the front brings it back. Mixed, with
// adds, against a plain vector.
TEST(CollectionRemove, FrontRemovalsMixedWithOthersAgreeWithASimpleModel) {
  Collection c;
  std::vector<std::string> model;
  std::mt19937 rng(99);
  int serial = 0;
  for (int step = 0; step < 3000; ++step) {
    const uint32_t roll = rng() % 10;
    if (model.empty() || roll < 4) {
      const std::string name = "n" + std::to_string(serial++);
      c.Add(Entry(name), name);
      model.push_back(name);
    } else if (roll < 8) {
      c.RemoveAt(1);
      model.erase(model.begin());
    } else {
      const size_t at = rng() % model.size();
      c.Remove(Variant(model[at]));
      model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
    }
    ASSERT_EQ(c.Count(), static_cast<int32_t>(model.size()));
    for (size_t probe : {size_t{0}, model.size() / 2, model.size() - 1}) {
      if (probe >= model.size()) continue;
      ASSERT_EQ(NameOf(c.At(static_cast<int32_t>(probe + 1))), model[probe]) << "step " << step;
      const Ref<Object>* found = c.Find(model[probe]);
      ASSERT_TRUE(found && NameOf(*found) == model[probe]) << "step " << step;
    }
  }
  EXPECT_EQ(Walk(c), model);
}

TEST(CollectionEnumeration, RemovingDuringAWalkSkipsNothing) {
  Ref<Owner> owner = MakeRef<Owner>();
  for (int i = 1; i <= 5; ++i) owner->list.Add(Entry("e" + std::to_string(i)), "k" + std::to_string(i));
  Ref<CollectionEnumerator> walk = MakeRef<CollectionEnumerator>(Ref<Object>(owner.get()), owner->list);
  std::vector<std::string> seen;
  while (Ref<Object> o = walk->NextItem()) {
    seen.push_back(NameOf(o));
    owner->list.Remove(Variant("k" + NameOf(o).substr(1)));  // the usual "remove each one" loop
    if (seen.size() == 2) owner->list.Add(Entry("e6"), "k6");  // and one added on the way
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"e1", "e2", "e3", "e4", "e5", "e6"}));
  EXPECT_EQ(owner->list.Count(), 0);
}

TEST(CollectionEnumeration, AutomationShapeWalksResetsSkipsAndClones) {
  Ref<Owner> owner = MakeRef<Owner>();
  for (const char* n : {"a", "b", "c"}) owner->list.Add(Entry(n));
  Ref<CollectionEnumerator> e = MakeRef<CollectionEnumerator>(Ref<Object>(owner.get()), owner->list);
  Variant v;
  ASSERT_TRUE(e->Next(v));
  EXPECT_EQ(NameOf(v.ToObject()), "a");
  Ref<CollectionEnumerator> copy = e->Clone();
  EXPECT_TRUE(e->Skip(1));
  ASSERT_TRUE(e->Next(v));
  EXPECT_EQ(NameOf(v.ToObject()), "c");
  EXPECT_FALSE(e->Next(v));
  EXPECT_EQ(NameOf(v.ToObject()), "c");  // left as it was at the end
  ASSERT_TRUE(copy->Next(v));
  EXPECT_EQ(NameOf(v.ToObject()), "b");
  e->Reset();
  EXPECT_EQ(NameOf(e->NextItem()), "a");
  EXPECT_FALSE(e->Skip(5));
  EXPECT_EQ(e->get_Count(), 3);
  EXPECT_EQ(ErrorOf([&] { e->Skip(-1); }), errInvalidProcedureCall);
}

TEST(CollectionEnumeration, AnEnumeratorKeepsItsListAlive) {
  Ref<CollectionEnumerator> e;
  {
    Ref<Owner> owner = MakeRef<Owner>();
    owner->list.Add(Entry("kept"));
    e = MakeRef<CollectionEnumerator>(Ref<Object>(owner.get()), owner->list);
  }
  EXPECT_EQ(NameOf(e->NextItem()), "kept");
}

}  // namespace
}  // namespace vorn
