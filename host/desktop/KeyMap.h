#pragma once
#include <cstdint>

namespace vorn {

/// The virtual-key code (the KeyCode of KeyDown and KeyUp) of an SDL key; 0 for keys that have none.
int16_t VirtualKeyOf(int32_t sdlKey) noexcept;
/// The character a key types that text input does not report (Enter 13, Backspace 8, Escape 27),
/// so that KeyPress follows KeyDown for it as for any other character; 0 for other keys.
int16_t ControlCharOf(int16_t virtualKey) noexcept;
/// The Shift argument (1 Shift, 2 Ctrl, 4 Alt) of an SDL modifier state.
int16_t ShiftOf(uint32_t sdlModifiers) noexcept;

}  // namespace vorn
