#include "Compare.h"

#include <charconv>
#include <iostream>

#include "Help.h"
#include "Streams.h"
#include "host/raster/PictureDiff.h"

namespace vorn {

namespace {
constexpr int kMatch = 0;
constexpr int kDiffer = 1;
constexpr int kTrouble = 2;

int UsageError(const std::string& what) {
  std::cerr << "compare: " << what << "\n" << CommandSynopsis("compare") << "Try 'vornform help compare'.\n";
  return kTrouble;
}
}  // namespace

bool ParseTolerance(const std::string& text, int& tolerance) {
  const char* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(text.data(), end, tolerance);
  return ec == std::errc() && p == end && tolerance >= 0 && tolerance <= 255;
}

int CompareCommand(const std::vector<std::string>& args) {
  std::vector<std::string> pictures;
  std::string diffPath;
  int tolerance = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-o" || a == "--tolerance") {
      if (i + 1 == args.size()) return UsageError(a + " needs a value");
      const std::string& value = args[++i];
      if (a == "-o") {
        diffPath = value;
      } else if (!ParseTolerance(value, tolerance)) {
        return UsageError("the tolerance must be a whole number from 0 to 255, not \"" + value + "\"");
      }
    } else if (a.size() > 1 && a[0] == '-') {
      return UsageError("unknown option \"" + a + "\"");
    } else {
      pictures.push_back(a);
    }
  }
  if (pictures.size() != 2) return UsageError("needs two pictures");
  if (IsStdio(pictures[0]) && IsStdio(pictures[1])) return UsageError("only one picture can come from standard input");
  if (diffPath.empty()) diffPath = DiffPathFor(IsStdio(pictures[0]) ? pictures[1] : pictures[0]);
  PixelBuffer a, b;
  try {
    a = ReadPicture(pictures[0]);
    b = ReadPicture(pictures[1]);
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return kTrouble;
  }
  const PictureDifference d = ComparePictures(a, b, tolerance);
  if (d.Same()) return kMatch;
  // The report goes where the difference picture does not: standard output, unless that holds it.
  std::ostream& report = IsStdio(diffPath) ? std::cerr : std::cout;
  try {
    BufferRows rows(d.picture);
    WritePicture(rows, diffPath);
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return kTrouble;
  }
  report << pictures[0] << " " << pictures[1] << " differ: " << d.Describe(a, b)
         << (IsStdio(diffPath) ? "" : "; difference in " + diffPath) << '\n';
  return kDiffer;
}

}  // namespace vorn
