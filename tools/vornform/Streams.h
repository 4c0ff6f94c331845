#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "host/form/FormDocument.h"
#include "host/pixels/PixelBuffer.h"
#include "host/raster/Png.h"

namespace vorn {

/// "-" names standard input where a file is read and standard output where one is written.
bool IsStdio(const std::string& path);

/// The whole text of a regular file or of standard input, at most maxBytes; throws FileError naming
/// what was wrong.
std::string ReadInput(const std::string& path, uint64_t maxBytes);
/// A form document from a file or from standard input (image paths then relative to the current
/// folder). Throws DocumentError.
FormDocument LoadDocument(const std::string& path, std::vector<std::string>& errors);
/// Writes a form document to a file (atomically) or to standard output.
void SaveDocument(const FormDocument& doc, const std::string& path);
/// Writes a PNG to a file (atomically) or to standard output.
void WritePicture(PixelRows& picture, const std::string& path);
/// Reads a PNG from a file or from standard input; throws std::runtime_error naming it.
PixelBuffer ReadPicture(const std::string& path);

}  // namespace vorn
