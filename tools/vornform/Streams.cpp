#include "Streams.h"

#include <iostream>
#include <stdexcept>

#include "foundation/Limits.h"
#include "foundation/files/UserFile.h"
#include "host/raster/Png.h"

namespace vorn {

namespace {
constexpr const char* kStdinName = "<stdin>";

// Standard input within the same limit as a file of its kind: a pipe may never end.
std::string ReadStdin(uint64_t maxBytes) {
  std::string text;
  char chunk[65536];
  while (std::cin.read(chunk, sizeof chunk) || std::cin.gcount() > 0) {
    text.append(chunk, static_cast<size_t>(std::cin.gcount()));
    if (text.size() > maxBytes) {
      throw FileError(std::string(kStdinName) + ": is more than " + std::to_string(maxBytes) +
                      " bytes; the limit is " + std::to_string(maxBytes));
    }
  }
  return text;
}

void WriteStdout(const std::string& bytes) {
  std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  std::cout.flush();
  if (!std::cout) throw std::runtime_error("cannot write to standard output");
}
}  // namespace

bool IsStdio(const std::string& path) { return path == "-"; }

std::string ReadInput(const std::string& path, uint64_t maxBytes) {
  return IsStdio(path) ? ReadStdin(maxBytes) : ReadUserFile(path, maxBytes);
}

FormDocument LoadDocument(const std::string& path, std::vector<std::string>& errors) {
  if (!IsStdio(path)) return LoadFormDocument(path, errors);
  std::string text;
  try {
    text = ReadStdin(limits::kDocumentBytes);
  } catch (const FileError& e) {
    throw DocumentError(e.what());
  }
  return ParseFormDocument(text, kStdinName, errors);
}

void SaveDocument(const FormDocument& doc, const std::string& path) {
  if (!IsStdio(path)) return SaveFormDocument(doc, path);
  WriteStdout(ToJson(doc).dump(2) + "\n");
}

void WritePicture(PixelRows& picture, const std::string& path) {
  if (!IsStdio(path)) return WritePng(picture, path);
  WriteStdout(EncodePng(picture));
}

PixelBuffer ReadPicture(const std::string& path) {
  if (!IsStdio(path)) return ReadPngBuffer(path);
  const std::string bytes = ReadStdin(limits::kImageBytes);
  return DecodePngBuffer(kStdinName, &bytes);
}

}  // namespace vorn
