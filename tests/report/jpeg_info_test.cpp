// Pixel size and resolution of JPEG files, and what is not a JPEG.
#include "report/jpeg_info.h"

#include <gtest/gtest.h>

#include <string>

#include "temporary_folder.h"
#include "test_support.h"

namespace tavrel {
namespace {

std::string dataFile(const std::string& name) {
    return test::readFile(test::sourcePath("tests/report/data/" + name));
}

TEST(JpegInfo, SizeAndResolutionComeFromTheFrameAndJfifHeaders) {
    struct Case {
        const char* file;
        int width;
        int height;
        double dpi;
    };
    const Case cases[] = {
        {"计算书图例/暗涵盖板.JPG", 319, 340, 96},
        {"计算书图例/明涵盖板.JPG", 319, 340, 96},
        {"计算书图例/自定义荷载.JPG", 321, 340, 96},
        {"progressive-72dpi.jpg", 40, 30, 72},  // SOF2
        {"dots-per-cm.jpg", 20, 10, 127},       // 50 dots per cm
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const auto info = readJpegInfo(dataFile(c.file));
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->widthPx, c.width);
        EXPECT_EQ(info->heightPx, c.height);
        EXPECT_TRUE(test::near(info->dpiX, c.dpi));
        EXPECT_TRUE(test::near(info->dpiY, c.dpi));
    }
}

TEST(JpegInfo, WithoutStatedResolutionNinetySixDotsPerInchAreAssumed) {
    // Start of image, then straight to a baseline frame header of 8 x 4 pixels.
    const std::string bytes("\xFF\xD8\xFF\xC0\x00\x0B\x08\x00\x04\x00\x08\x01\x01\x11\x00", 15);
    const auto info = readJpegInfo(bytes);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->widthPx, 8);
    EXPECT_EQ(info->heightPx, 4);
    EXPECT_EQ(info->dpiX, 96);
}

TEST(JpegInfo, BytesThatAreNoCompleteJpegHaveNoSize) {
    const std::string jpeg = dataFile("计算书图例/暗涵盖板.JPG");
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"text", "not a picture at all"},
        {"PNG signature", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)},
        {"ends before the frame header", jpeg.substr(0, 40)},
        {"segment longer than the file", std::string("\xFF\xD8\xFF\xE0\x7F\xFF", 6)},
        {"scan before any frame header", std::string("\xFF\xD8\xFF\xDA\x00\x02", 6)},
        {"zero width", std::string("\xFF\xD8\xFF\xC0\x00\x0B\x08\x00\x04\x00\x00\x01\x01\x11\x00", 15)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(readJpegInfo(c.bytes).has_value());
    }
}

}  // namespace
}  // namespace tavrel
