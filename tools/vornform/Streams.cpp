#include "Streams.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "host/raster/Png.h"

namespace vorn {

namespace {
constexpr const char* kStdinName = "<stdin>";

std::string ReadStdin() {
  std::ostringstream s;
  s << std::cin.rdbuf();
  return s.str();
}

void WriteStdout(const std::string& bytes) {
  std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  std::cout.flush();
  if (!std::cout) throw std::runtime_error("cannot write to standard output");
}
}  // namespace

bool IsStdio(const std::string& path) { return path == "-"; }

bool ReadInput(const std::string& path, std::string& text) {
  if (IsStdio(path)) {
    text = ReadStdin();
    return true;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  text = s.str();
  return true;
}

FormDocument LoadDocument(const std::string& path, std::vector<std::string>& errors) {
  if (!IsStdio(path)) return LoadFormDocument(path, errors);
  return ParseFormDocument(ReadStdin(), kStdinName, errors);
}

void SaveDocument(const FormDocument& doc, const std::string& path) {
  if (!IsStdio(path)) return SaveFormDocument(doc, path);
  WriteStdout(ToJson(doc).dump(2) + "\n");
}

void WritePicture(const PixelBuffer& picture, const std::string& path) {
  if (!IsStdio(path)) return WritePng(picture, path);
  WriteStdout(EncodePng(picture));
}

PixelBuffer ReadPicture(const std::string& path) {
  if (!IsStdio(path)) return ReadPngBuffer(path);
  const std::string bytes = ReadStdin();
  return DecodePngBuffer(kStdinName, &bytes);
}

}  // namespace vorn
