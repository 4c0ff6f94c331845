#pragma once
#include <string>
#include <vector>

namespace vorn {

/// vornform compare A.png B.png [-o DIFF.png] [--tolerance N] (arguments after the command word):
/// 0 when the pictures match, 1 when they differ, 2 for a usage error or an unreadable picture.
int CompareCommand(const std::vector<std::string>& args);

/// A tolerance argument: 0 to 255; false for anything else.
bool ParseTolerance(const std::string& text, int& tolerance);

}  // namespace vorn
