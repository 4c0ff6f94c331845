#include "controls/menu/MenuItems.h"

namespace vorn {

Ref<MenuItem> MenuItems::Add(std::string Key, std::string Caption, int16_t Icon, bool Enabled, std::string Child,
                             std::string Group, int32_t ItemType, bool Checked, bool Bold) {
  auto item = MakeRef<MenuItem>();
  item->put_Icon(Icon);
  item->put_Caption(std::move(Caption));
  item->put_Enabled(Enabled);
  item->put_Child(std::move(Child));
  item->put_Group(std::move(Group));
  item->put_ItemType(ItemType);
  item->put_Checked(Checked);
  item->put_Bold(Bold);
  item->put_Key(Key);
  items_.Add(item, Key);
  NoteMenuEdit();
  return item;
}

Ref<MenuItem> MenuItems::Item(Variant vntIndexKey) {
  // An argument whose text is empty asks for nothing; a number's text never is.
  if (vntIndexKey.IsEmpty() || (vntIndexKey.IsString() && vntIndexKey.StringValue().empty())) return nullptr;
  return RecordList::Item(std::move(vntIndexKey));
}

void MenuItems::Remove(Variant vntIndexKey) {
  RecordList::Remove(std::move(vntIndexKey));
  NoteMenuEdit();
}

namespace {
constexpr ParamInfo kAddParams[] = {
    {"Key", "String"},
    {"Caption", "String", true, DefStr("")},
    {"Icon", "Integer", true, DefInt(0)},
    {"Enabled", "Boolean", true, DefBool(true)},
    {"Child", "String", true, DefStr("")},
    {"Group", "String", true, DefStr("")},
    {"ItemType", "eItemType", true, DefInt(itNormal)},
    {"Checked", "Boolean", true, DefBool(false)},
    {"Bold", "Boolean", true, DefBool(false)},
};
constexpr auto kMembers = CollectionMembers<MenuItems>("MenuItem", kAddParams);
const ClassInfo kClass{"MenuItems", kMembers};
}  // namespace

const ClassInfo& MenuItems::StaticClass() { return kClass; }

}  // namespace vorn
