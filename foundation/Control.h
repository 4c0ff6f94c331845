#pragma once
#include <cstdint>
#include <memory>

#include "foundation/ControlSite.h"
#include "foundation/Events.h"
#include "foundation/MemberBinding.h"
#include "foundation/Object.h"
#include "foundation/PropertyBag.h"

namespace vorn {

struct PropertyRow;

/// Base of every control: bound to its host site, answering the host's events with the
/// UserControl_ handlers (each does nothing unless the control overrides it, but for the property
/// bag's, which follow the control's property table), and raising its own events through its
/// connection point.
///
/// Lifecycle, driven by the host: construct, UserControl_Initialize, then UserControl_InitProperties
/// (new instance) or UserControl_ReadProperties (stored one), UserControl_Resize on every size
/// change, UserControl_Show, input and focus, UserControl_WriteProperties on save,
/// UserControl_Terminate, destroy.
class Control : public Object {
 public:
  explicit Control(ControlSite& site);
  ~Control() override;

  ControlSite& Site() const noexcept { return site_; }
  Surface& UserControl() const noexcept { return surface_; }
  /// Generic sinks of the control's events.
  ConnectionPoint& Connections() noexcept { return connections_; }

  virtual void UserControl_Initialize() {}
  /// The defaults, the stored values read and written, from the control's property table
  /// (foundation/PropertyTable.h), each followed by what the table says it ends with.
  virtual void UserControl_InitProperties();
  virtual void UserControl_ReadProperties(PropertyBag& bag);
  virtual void UserControl_WriteProperties(PropertyBag& bag);
  virtual void UserControl_Resize() {}
  virtual void UserControl_Show() {}
  virtual void UserControl_EnterFocus() {}
  virtual void UserControl_ExitFocus() {}
  virtual void UserControl_KeyDown(int16_t& /*KeyCode*/, int16_t& /*Shift*/) {}
  virtual void UserControl_KeyPress(int16_t& /*KeyAscii*/) {}
  virtual void UserControl_KeyUp(int16_t& /*KeyCode*/, int16_t& /*Shift*/) {}
  virtual void UserControl_MouseDown(int16_t /*Button*/, int16_t /*Shift*/, float /*X*/, float /*Y*/) {}
  virtual void UserControl_MouseMove(int16_t /*Button*/, int16_t /*Shift*/, float /*X*/, float /*Y*/) {}
  virtual void UserControl_MouseUp(int16_t /*Button*/, int16_t /*Shift*/, float /*X*/, float /*Y*/) {}
  virtual void UserControl_Click() {}
  virtual void UserControl_Terminate() {}

  /// The let of a row of the control's property table (foundation/PropertyTable.h), for
  /// automation and the C++ setters alike: store the value, mark the bag name changed, then do
  /// what the row's change asks.
  void LetProperty(const PropertyRow& row, const Variant& value);

  /// Hands the control the site it was made on, for hosts that make a site per control and let the
  /// control's last reference end both; the site outlives every step of the control's destruction.
  void AdoptSite(std::unique_ptr<ControlSite> site) noexcept { ownedSite_ = std::move(site); }
  /// StartControl has run: the control has its properties and its size.
  bool Started() const noexcept { return opening_ == Opening::Started; }

 protected:
  /// The C++ setters of the properties the table stores: the row is the one of the field, or the
  /// one of the surface's Enabled or Font.
  template <class T>
  void Let(const T& field, T value) {
    LetProperty(FieldRow(&field), VariantTraits<T>::To(std::move(value)));
  }
  void LetEnabled(bool enabled);
  void LetFont(Ref<Font> font);

  ConnectionPoint connections_;

 private:
  const PropertyRow& FieldRow(const void* field) const;
  friend void InitializeControl(Control& control);
  friend void StartControl(Control& control, PropertyBag* bag);

  std::unique_ptr<ControlSite> ownedSite_;  // first of the fields, so it goes last
  ControlSite& site_;
  Surface& surface_;
  enum class Opening : uint8_t { Made, Initialized, Started };
  Opening opening_ = Opening::Made;
};

/// The host's opening sequence, which every host runs through these two so that no path skips or
/// repeats a step. InitializeControl runs UserControl_Initialize, once: a host that lets members be
/// used before the properties come (IVornControl::SetSite) runs it as soon as the control is on its
/// site. StartControl runs it unless that happened, then InitProperties (bag null: a new instance)
/// or ReadProperties (a stored one), then Resize. UserControl_Show follows when the control's
/// container shows it.
void InitializeControl(Control& control);
void StartControl(Control& control, PropertyBag* bag);

}  // namespace vorn
