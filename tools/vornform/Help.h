#pragma once
#include <string>

namespace vorn {

/// "vornform (vornButton2) 1.0".
std::string VersionText();
/// The overview `vornform --help` prints: every command's synopsis and the common rules.
std::string OverviewText();
/// The usage lines of every command.
std::string AllSynopses();
/// What `vornform help COMMAND` prints; empty for a command that does not exist.
std::string CommandHelp(const std::string& command);
/// A command's synopsis lines ("vornform render FORM.json -o OUT.png"); empty for none.
std::string CommandSynopsis(const std::string& command);

}  // namespace vorn
