#include "support/EventLog.h"

#include "host/headless/ValueText.h"

namespace vorn::test {

void EventLog::OnEvent(Object& source, DispId id, std::span<Variant> args) {
  const EventInfo* ev = source.Class().FindEvent(id);
  const std::string name = ev ? std::string(ev->name) : "Event" + std::to_string(id);
  if (handler) handler(name, args);
  std::string line = name + "(";
  for (size_t i = 0; i < args.size(); ++i) line += (i ? ", " : "") + FormatValue(args[i]);
  lines.push_back(line + ")");
}

int EventLog::Count(const std::string& name) const {
  int n = 0;
  for (const std::string& l : lines) {
    if (l.rfind(name + "(", 0) == 0) ++n;
  }
  return n;
}

std::string EventLog::Joined() const {
  std::string s;
  for (const std::string& l : lines) s += (s.empty() ? "" : "; ") + l;
  return s;
}

}  // namespace vorn::test
