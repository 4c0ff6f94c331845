#pragma once
#include <string>
#include <vector>

#include "host/form/Form.h"
#include "host/form/ImageList.h"

namespace vorn {

/// The built-in gallery form: every control in its looks.
std::string DemoDocument();
/// The script the gallery replays when there is no display.
std::string DemoScript();
/// One step of the gallery's live values: the progress bars move on, the searching ones along
/// their run (called by a timer while the gallery shows).
void StepGallery(Form& gallery);
/// The gallery's icon set, drawn by this program ("icons16" and "icons32").
std::vector<Ref<ImageList>> DemoImageLists();

}  // namespace vorn
