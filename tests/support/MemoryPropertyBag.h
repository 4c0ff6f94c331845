#pragma once
#include <map>
#include <string>
#include <vector>

#include "foundation/PropertyBag.h"

namespace vorn::test {

/// A property bag in memory that records the order of reads and writes.
class MemoryPropertyBag final : public PropertyBag {
 public:
  std::map<std::string, Variant> stored;
  std::vector<std::string> reads;
  std::vector<std::string> writes;
  std::vector<std::string> bad;
  std::map<std::string, Variant> defaults;  // default given with each read or write

  Variant ReadProperty(std::string_view name, const Variant& defaultValue) override {
    reads.emplace_back(name);
    defaults[std::string(name)] = defaultValue;
    auto it = stored.find(std::string(name));
    return it == stored.end() ? defaultValue : it->second;
  }
  void WriteProperty(std::string_view name, const Variant& value, const Variant& defaultValue) override {
    writes.emplace_back(name);
    defaults[std::string(name)] = defaultValue;
    stored[std::string(name)] = value;
  }
  void ReportBadValue(std::string_view name, const RuntimeError&) override { bad.emplace_back(name); }
};

}  // namespace vorn::test
