// Pixel size and resolution of a JPEG image, read from its markers without decoding it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavrel {

struct JpegInfo {
    int widthPx = 0;
    int heightPx = 0;
    double dpiX = 0;  // from the JFIF header; the word processor's 96 dpi when the file states none
    double dpiY = 0;
};

// Reads the frame header (SOF0..SOF15 except the table markers) for the pixel size and the JFIF header
// for the resolution. Empty when the bytes are not a JPEG or end before the frame header.
std::optional<JpegInfo> readJpegInfo(std::string_view bytes);

}  // namespace tavrel
