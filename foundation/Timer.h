#pragma once
#include <cstdint>

namespace vorn {

/// A host timer owned by a control; its tick handler was given when the host created it.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual uint32_t Interval() const = 0;
  virtual void SetInterval(uint32_t milliseconds) = 0;
};

}  // namespace vorn
