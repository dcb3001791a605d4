// Pixel size and resolution of a JPEG image, read from its markers.
#include "report/jpeg_info.h"

#include <cstring>

#include "base/units.h"

namespace tavrel {

namespace {

constexpr double kDefaultDpi = 96;  // what word processors assume for an image without a resolution

constexpr unsigned char kMarkerPrefix = 0xFF;
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kApp0 = 0xE0;
constexpr unsigned char kTem = 0x01;

constexpr unsigned char kJfifUnitsDotsPerInch = 1;
constexpr unsigned char kJfifUnitsDotsPerCentimetre = 2;

unsigned byteAt(std::string_view bytes, std::size_t index) {
    return static_cast<unsigned char>(bytes[index]);
}

unsigned bigEndian16(std::string_view bytes, std::size_t index) {
    return byteAt(bytes, index) << 8 | byteAt(bytes, index + 1);
}

// SOF0..SOF15 carry the frame size; C4 (Huffman tables), C8 (reserved) and CC (arithmetic coding) do not.
bool isStartOfFrame(unsigned marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers without a length field: TEM and the restart markers RST0..RST7.
bool isStandalone(unsigned marker) {
    return marker == kTem || (marker >= 0xD0 && marker <= 0xD7);
}

// The JFIF APP0 segment: "JFIF\0", version (2 bytes), units, x density, y density.
void readJfifDensity(std::string_view segment, JpegInfo& info) {
    constexpr std::size_t kJfifLength = 12;
    if (segment.size() < kJfifLength || std::memcmp(segment.data(), "JFIF\0", 5) != 0) {
        return;
    }
    const unsigned units = byteAt(segment, 7);
    const double x = bigEndian16(segment, 8);
    const double y = bigEndian16(segment, 10);
    if (x <= 0 || y <= 0) {
        return;
    }
    if (units == kJfifUnitsDotsPerInch) {
        info.dpiX = x;
        info.dpiY = y;
    } else if (units == kJfifUnitsDotsPerCentimetre) {
        info.dpiX = x * units::kCmPerInch;
        info.dpiY = y * units::kCmPerInch;
    }
}

}  // namespace

std::optional<JpegInfo> readJpegInfo(std::string_view bytes) {
    if (bytes.size() < 4 || byteAt(bytes, 0) != kMarkerPrefix || byteAt(bytes, 1) != kStartOfImage) {
        return std::nullopt;
    }
    JpegInfo info{0, 0, kDefaultDpi, kDefaultDpi};
    std::size_t position = 2;
    while (position + 1 < bytes.size()) {
        if (byteAt(bytes, position) != kMarkerPrefix) {
            return std::nullopt;
        }
        const unsigned marker = byteAt(bytes, position + 1);
        if (marker == kMarkerPrefix) {  // fill byte before a marker
            ++position;
            continue;
        }
        position += 2;
        if (isStandalone(marker)) {
            continue;
        }
        if (marker == kStartOfScan || marker == kEndOfImage || position + 2 > bytes.size()) {
            return std::nullopt;
        }
        const std::size_t length = bigEndian16(bytes, position);
        if (length < 2 || position + length > bytes.size()) {
            return std::nullopt;
        }
        const std::string_view segment = bytes.substr(position + 2, length - 2);
        if (marker == kApp0) {
            readJfifDensity(segment, info);
        } else if (isStartOfFrame(marker)) {
            constexpr std::size_t kFrameHeaderLength = 5;  // precision, height, width
            if (segment.size() < kFrameHeaderLength) {
                return std::nullopt;
            }
            info.heightPx = static_cast<int>(bigEndian16(segment, 1));
            info.widthPx = static_cast<int>(bigEndian16(segment, 3));
            if (info.widthPx == 0 || info.heightPx == 0) {
                return std::nullopt;
            }
            return info;
        }
        position += length;
    }
    return std::nullopt;
}

}  // namespace tavrel
