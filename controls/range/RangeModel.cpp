#include "controls/range/RangeModel.h"

#include "foundation/Convert.h"

namespace vorn {

int32_t LimitToRange(int64_t value, int32_t min, int32_t max) {
  if (value < min) value = min;
  if (value > max) value = max;
  return static_cast<int32_t>(value);
}

void RangeModel::LetMin(ControlSite& site, int32_t v) {
  if (v >= Max) v = SubLong(Max, 1);
  Min = v;
  site.PropertyChanged("Min");
  if (Value < Min) {
    Value = Min;
    site.PropertyChanged("Value");
  }
}

void RangeModel::LetMax(ControlSite& site, int32_t v) {
  if (v <= Min) v = AddLong(Min, 1);
  Max = v;
  site.PropertyChanged("Max");
  if (Value > Max) {
    Value = Max;
    site.PropertyChanged("Value");
  }
}

bool RangeModel::LetValue(ControlSite& site, int32_t v) {
  if (v == Value) return false;
  Value = limit_ == LimitsValue ? Limit(v) : v;
  site.PropertyChanged("Value");
  return true;
}

bool RangeModel::TakeChange() noexcept {
  if (Value == LastReportedValue) return false;
  LastReportedValue = Value;
  return true;
}

}  // namespace vorn
