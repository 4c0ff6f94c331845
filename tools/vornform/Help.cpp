#include "Help.h"

#include <array>
#include <string_view>

namespace vorn {

namespace {

struct CommandText {
  std::string_view name;
  std::string_view synopsis;  // one or more lines, without "vornform "
  std::string_view details;
};

constexpr std::array<CommandText, 10> kCommands{{
    {"render", "render FORM.json -o OUT.png",
     "Loads the form document, shows it, runs its onLoad lines and writes the screen picture of the\n"
     "form and its visible popups.\n"},
    {"replay", "replay FORM.json SCRIPT.txt",
     "Loads the form document and runs the replay script in the headless host, printing one line per\n"
     "event of the form's controls and per `get`. A failing line prints `error: PATH: TEXT (NUMBER)`\n"
     "and the script goes on. `snapshot FILE.png --expect GOLDEN.png [--tolerance N]` also compares\n"
     "the picture with a golden one.\n"},
    {"save", "save FORM.json -o OUT.json",
     "Loads the form document and writes it back: every control's stored properties, values equal to\n"
     "their defaults left out. The file is replaced atomically.\n"},
    {"run", "run FORM.json",
     "Shows the form in a real window (SDL2) and prints its events as `replay` does, until the window\n"
     "is closed.\n"},
    {"demo", "demo",
     "Shows the gallery of every control in a window when there is a display; otherwise writes\n"
     "vornform-demo.png and replays a built-in script.\n"},
    {"compare", "compare A.png B.png [-o DIFF.png] [--tolerance N]",
     "Compares two pictures pixel by pixel. Exit status 0 when they match; 1 when they differ, with\n"
     "the count and the first place of the differing pixels on standard output and a difference\n"
     "picture (matching pixels pale, differing ones red) in DIFF.png, by default A.diff.png beside A;\n"
     "2 when a picture cannot be read. --tolerance N (0 to 255) lets each colour channel differ by\n"
     "up to N.\n"},
    {"typelib", "typelib [--idl | --toolbox-bitmaps DIR]",
     "Prints the type library: classes, interfaces, members, events and enumerations. --idl prints it\n"
     "as IDL, which the Windows build compiles with widl; --toolbox-bitmaps writes the controls'\n"
     "toolbox pictures into DIR as toolbox30000.bmp ... toolbox30006.bmp.\n"},
    {"register", "register\nunregister",
     "Runs the library's registration entry points on its registry file (VORN_REGISTRY, else the\n"
     "user's configuration folder).\n"},
    {"unregister", "unregister", "Removes the library's records from its registry file; see `register`.\n"},
    {"help", "help [COMMAND]", "Prints the overview, or what COMMAND does.\n"},
}};

const CommandText* Find(const std::string& name) {
  for (const CommandText& c : kCommands) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

std::string Prefixed(std::string_view lines, std::string_view first, std::string_view rest) {
  std::string out;
  size_t start = 0;
  while (start < lines.size()) {
    size_t end = lines.find('\n', start);
    if (end == std::string_view::npos) end = lines.size();
    out += std::string(start == 0 ? first : rest) + "vornform " + std::string(lines.substr(start, end - start)) + "\n";
    start = end + 1;
  }
  return out;
}

constexpr std::string_view kRules =
    "\n"
    "A FILE given as - is standard input where it is read and standard output where it is written\n"
    "(image paths of a form read from standard input are relative to the current folder).\n"
    "Exit status: 0 on success; 1 when the document, a control, a handler or a script line failed\n"
    "(compare: when the pictures differ); 2 for a usage error, a script syntax error or (compare) a\n"
    "picture that cannot be read.\n"
    "\n"
    "vornform help COMMAND tells more about a command.\n";

}  // namespace

std::string VersionText() { return std::string("vornform (vornButton2) ") + VORN_VERSION + "\n"; }

std::string OverviewText() {
  return "vornform: load, render, replay, compare, run and save vornButton2 form documents\n\n" + AllSynopses() +
         std::string(kRules);
}

std::string AllSynopses() {
  std::string out;
  bool first = true;
  for (const CommandText& c : kCommands) {
    if (c.name == "unregister") continue;  // listed with register
    out += Prefixed(c.synopsis, first ? "usage: " : "       ", "       ");
    first = false;
  }
  out += "       vornform --help | --version\n";
  return out;
}

std::string CommandSynopsis(const std::string& command) {
  const CommandText* c = Find(command);
  return c ? Prefixed(c->synopsis, "usage: ", "       ") : std::string();
}

std::string CommandHelp(const std::string& command) {
  const CommandText* c = Find(command);
  if (!c) return {};
  return CommandSynopsis(command) + "\n" + std::string(c->details);
}

}  // namespace vorn
