#pragma once
#include <cstdint>
#include <string>

#include "foundation/Object.h"

namespace vorn {

/// Row kinds of a menu item; any other value is stored unchanged and drawn as a blank row.
enum eItemType : int32_t {
  itNormal = 1,       // a selectable text row
  itCheck = 2,        // a selectable text row with a check box while Checked
  itPlaceholder = 3,  // a separator line, not selectable
  itTitle = 4,        // a heading band, not selectable
};

/// Counts the changes of every menu item and item list (each setter of an item, each Add and
/// Remove of a list). Menus read it to know that nothing they painted from has changed since.
/// Like the objects, it lives on the one user-interface thread.
void NoteMenuEdit() noexcept;
uint64_t MenuEdits() noexcept;

/// One entry of a popup menu: a plain record whose setters store and whose getters return, with
/// no checks and no notification (a menu shows a change at its next repaint).
class MenuItem final : public ClassOf<MenuItem> {
 public:
  static const ClassInfo& StaticClass();

  bool get_Bold() const { return Bold_; }
  void put_Bold(bool v) {
    Bold_ = v;
    NoteMenuEdit();
  }
  bool get_Checked() const { return Checked_; }
  void put_Checked(bool v) {
    Checked_ = v;
    NoteMenuEdit();
  }
  int32_t get_ItemType() const { return ItemType_; }
  void put_ItemType(int32_t v) {
    ItemType_ = v;
    NoteMenuEdit();
  }
  std::string get_Group() const { return Group_; }
  void put_Group(std::string v) {
    Group_ = std::move(v);
    NoteMenuEdit();
  }
  std::string get_Child() const { return Child_; }
  void put_Child(std::string v) {
    Child_ = std::move(v);
    NoteMenuEdit();
  }
  bool get_Enabled() const { return Enabled_; }
  void put_Enabled(bool v) {
    Enabled_ = v;
    NoteMenuEdit();
  }
  std::string get_Caption() const { return Caption_; }
  void put_Caption(std::string v) {
    Caption_ = std::move(v);
    NoteMenuEdit();
  }
  std::string get_Key() const { return Key_; }
  void put_Key(std::string v) {
    Key_ = std::move(v);
    NoteMenuEdit();
  }
  int16_t get_Icon() const { return Icon_; }
  void put_Icon(int16_t v) {
    Icon_ = v;
    NoteMenuEdit();
  }

  // Read without copies, for the menu's layout and painting.
  const std::string& Group() const noexcept { return Group_; }
  const std::string& Caption() const noexcept { return Caption_; }
  int32_t ItemType() const noexcept { return ItemType_; }
  bool Checked() const noexcept { return Checked_; }
  bool Bold() const noexcept { return Bold_; }
  int16_t Icon() const noexcept { return Icon_; }

 private:
  int16_t Icon_ = 0;
  std::string Key_;
  std::string Caption_;
  bool Enabled_ = false;
  std::string Child_;
  std::string Group_;
  int32_t ItemType_ = 0;
  bool Checked_ = false;
  bool Bold_ = false;
};

}  // namespace vorn
