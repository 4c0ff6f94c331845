// Loading, editing and saving a form document from C++ with the host's Form.
//
// usage: edit_form FORM.json OUT.json
#include <cstdio>
#include <string>
#include <vector>

#include "foundation/Dispatch.h"
#include "host/form/Form.h"

using namespace vorn;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: edit_form FORM.json OUT.json\n");
    return 2;
  }
  std::vector<std::string> errors;  // one line per fault; the rest of the form still loads
  try {
    FormDocument doc = LoadFormDocument(argv[1], errors);  // throws DocumentError when unreadable
    HeadlessHost host;
    // Every control comes from the class factory; its events are printed as NAME.Event(ARGS).
    Form form(host, std::move(doc), [](const std::string& line) { std::printf("%s\n", line.c_str()); }, errors);
    form.RunOnLoad(errors);

    // Edit: a property by name, then script lines (a click on the button, a get).
    LetMember(*form.FindControl("vornButton1"), "Caption", Variant("Apply"));
    form.RunScript(ParseScript("click 40 25\nget vornButton1.Caption\n", "edit"));

    // Save: every control's WriteProperties, values equal to their defaults left out.
    SaveFormDocument(form.Snapshot(errors), argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  for (const std::string& e : errors) std::fprintf(stderr, "%s\n", e.c_str());

  // The saved document reads back with the new caption.
  std::vector<std::string> again;
  const FormDocument saved = LoadFormDocument(argv[2], again);
  std::printf("saved: %s.Caption = %s\n", saved.controls[0].name.c_str(),
              saved.controls[0].properties["Caption"].dump().c_str());
  return errors.empty() ? 0 : 1;
}
