#include "foundation/PropertyTable.h"

namespace vorn {

namespace {

const PropertyTable& TableOf(const Control& control) {
  const PropertyTable* table = control.Class().properties;
  if (!table) Raise(errNotSupported, std::string(control.Class().name) + " has no property table");
  return *table;
}

bool Stored(const PropertyRow& row) { return row.slot.kind != PropertySlot::None && !row.bag.empty(); }

const PropertyRow& RowOfKind(const Control& control, PropertySlot::Kind kind) {
  for (const PropertyRow& row : TableOf(control).rows) {
    if (row.slot.kind == kind) return row;
  }
  Raise(errNotSupported);
}

}  // namespace

Variant BagDefault::ToVariant(ControlSite& site) const {
  switch (kind) {
    case Integer: return Variant(static_cast<int16_t>(number));
    case Long: return Variant(number);
    case Boolean: return Variant(number != 0);
    case Text: return Variant(text);
    case AmbientFont: return Variant(site.AmbientFont());
    case AmbientName: return Variant(site.AmbientDisplayName());
    case Nothing: break;
  }
  return Variant::Nothing();
}

Variant InvokeProperty(Object& self, const MemberInfo& member, uint16_t flags, std::span<Variant> args) {
  auto& control = static_cast<Control&>(self);
  const ClassInfo& cls = self.Class();
  const PropertyRow& row = TableOf(control).rows[static_cast<std::size_t>(&member - cls.members.data())];
  if (flags & (kGet | kMethod)) {
    if (!args.empty()) Raise(errWrongArgumentCount);
    return row.slot.get(control);
  }
  if (flags & (row.slot.byReference ? kSet : kLet)) {
    if (args.size() != 1) Raise(errWrongArgumentCount);
    if (args[0].IsMissing()) Raise(errArgumentNotOptional);
    control.LetProperty(row, args[0]);
    return Variant();
  }
  Raise(errNotSupported);
}

void Control::LetProperty(const PropertyRow& row, const Variant& value) {
  row.slot.put(*this, value);
  Site().PropertyChanged(row.bag);
  const PropertyTable& table = TableOf(*this);
  void (*change)(Control&) = nullptr;
  switch (row.change) {
    case Change::Repaint: change = table.repaint; break;
    case Change::Relayout: change = table.relayout; break;
    case Change::Recolour: change = table.recolour; break;
    case Change::None: break;
  }
  if (change) change(*this);
}

const PropertyRow& Control::FieldRow(const void* field) const {
  for (const PropertyRow& row : TableOf(*this).rows) {
    if (row.slot.kind == PropertySlot::Field && row.slot.address(*this) == field) return row;
  }
  Raise(errNotSupported);
}

void Control::LetEnabled(bool enabled) { LetProperty(RowOfKind(*this, PropertySlot::SurfaceEnabled), Variant(enabled)); }

void Control::LetFont(Ref<Font> font) {
  LetProperty(RowOfKind(*this, PropertySlot::SurfaceFont), Variant(std::move(font)));
}

void InitStoredProperties(Control& control) {
  for (const PropertyRow& row : TableOf(control).rows) {
    if (Stored(row) && row.slot.kind != PropertySlot::SurfaceEnabled) {
      row.slot.put(control, row.def.ToVariant(control.Site()));
    }
  }
}

void ReadStoredProperties(Control& control, PropertyBag& bag) {
  for (const PropertyRow& row : TableOf(control).rows) {
    if (Stored(row)) row.slot.read(control, bag, row.bag, row.def.ToVariant(control.Site()));
  }
}

void WriteStoredProperties(Control& control, PropertyBag& bag) {
  for (const PropertyRow& row : TableOf(control).rows) {
    if (Stored(row)) bag.WriteProperty(row.bag, row.slot.get(control), row.def.ToVariant(control.Site()));
  }
}

namespace slot {

Variant GetEnabled(const Control& c) { return Variant(c.UserControl().Enabled()); }

void PutEnabled(Control& c, const Variant& v) { c.UserControl().SetEnabled(v.ToBool()); }

void ReadEnabled(Control& c, PropertyBag& bag, std::string_view name, const Variant& def) {
  c.UserControl().SetEnabled(FromBag<bool>(bag, name, def));
}

Variant GetFont(const Control& c) { return Variant(c.UserControl().GetFont()); }

void PutFont(Control& c, const Variant& v) { c.UserControl().SetFont(FromLet<Ref<Font>>(v)); }

void ReadFont(Control& c, PropertyBag& bag, std::string_view name, const Variant& def) {
  c.UserControl().SetFont(FromBag<Ref<Font>>(bag, name, def));
}

}  // namespace slot

}  // namespace vorn
