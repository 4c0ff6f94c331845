#pragma once
#include <string>
#include <vector>

#include "host/form/ImageList.h"

namespace vorn {

/// The built-in gallery form: every control in its looks.
std::string DemoDocument();
/// The script the gallery replays when there is no display.
std::string DemoScript();
/// The gallery's icon set, drawn by this program ("icons16" and "icons32").
std::vector<Ref<ImageList>> DemoImageLists();

}  // namespace vorn
