#include "ConnectionDrawing.h"
#include "ReportFixtures.h"
#include "model/Errors.h"
#include "report/Bitmap.h"
#include "report/Png.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

using namespace orvex;

namespace {

// Dark pixels in the band of rows [top, top + 14) right of the sketch, where a name is written.
int InkInNameBand(const RgbImage& image, int top) {
    int ink = 0;
    for (int y = top; y < top + 14 && y < image.Height; ++y)
        for (int x = kConnectionPreviewWidth + 4; x < image.Width; ++x) {
            const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.Width) +
                                    static_cast<std::size_t>(x)) *
                                   3;
            if (image.Pixels[at] < 128 && image.Pixels[at + 1] < 128 && image.Pixels[at + 2] < 128)
                ++ink;
        }
    return ink;
}

TEST(ConnectionDrawing, DetailIsTheSketchWidenedWithTheThreeNamesAtTheirRows) {
    const TConnectionSimple connection = fixtures::ConnectionRun(rmDesign, true).Connection;
    const TPicture picture = ConnectionDetailPicture(connection);
    ASSERT_TRUE(picture);
    const auto image = DecodeBitmap(*picture);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Width, kConnectionDetailWidth);
    EXPECT_EQ(image->Height, kConnectionPreviewHeight);

    // the left part is the sketch itself
    const QImage preview = ConnectionPreviewImage().convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < preview.height(); y += 7)
        for (int x = 0; x < preview.width(); x += 5) {
            const QRgb p = preview.pixel(x, y);
            const std::size_t at =
                (static_cast<std::size_t>(y) * kConnectionDetailWidth + static_cast<std::size_t>(x)) * 3;
            ASSERT_EQ(image->Pixels[at], qRed(p)) << x << "," << y;
        }

    for (const int top : {57, 109, 152}) {
        SCOPED_TRACE(top);
        EXPECT_GT(InkInNameBand(*image, top), 20);
    }
    // nothing written between the names
    EXPECT_EQ(InkInNameBand(*image, 80), 0);
    EXPECT_EQ(InkInNameBand(*image, 128), 0);
}

TEST(ConnectionDrawing, AngleLengthThatCannotBePrintedIsAnError) {
    TConnectionSimple connection = fixtures::ConnectionRun(rmDesign, true).Connection;
    connection.Angle.L = std::numeric_limits<Extended>::infinity();
    EXPECT_THROW(ConnectionDetailPicture(connection), ArithmeticError);
}

// Our PNG encoder checked against Qt's reader: plain areas, noise, and rows too long for a match
// at the distance of one row.
TEST(PngEncoder, QtReadsTheSamePixels) {
    const auto noise = [](int width, int height) {
        RgbImage image;
        image.Width = width;
        image.Height = height;
        std::uint32_t state = 12345;
        for (int i = 0; i < width * height * 3; ++i) {
            state = state * 1103515245u + 12345u;
            image.Pixels.push_back(static_cast<std::uint8_t>(state >> 24));
        }
        return image;
    };
    const TConnectionSimple connection = fixtures::ConnectionRun(rmDesign, true).Connection;
    RgbImage wide = noise(11000, 3);
    std::fill(wide.Pixels.begin(), wide.Pixels.begin() + 11000 * 3, std::uint8_t{255});
    const RgbImage cases[] = {*DecodeBitmap(*ConnectionDetailPicture(connection)), noise(37, 23), noise(1, 1),
                              wide};
    for (const RgbImage& image : cases) {
        SCOPED_TRACE(std::to_string(image.Width) + " x " + std::to_string(image.Height));
        const std::vector<std::uint8_t> png = EncodePng(image);
        QImage read;
        ASSERT_TRUE(read.loadFromData(png.data(), static_cast<int>(png.size()), "PNG"));
        read = read.convertToFormat(QImage::Format_RGB888);
        ASSERT_EQ(read.width(), image.Width);
        ASSERT_EQ(read.height(), image.Height);
        const std::size_t rowBytes = static_cast<std::size_t>(image.Width) * 3;
        for (int y = 0; y < image.Height; ++y)
            ASSERT_EQ(std::memcmp(read.constScanLine(y),
                                  image.Pixels.data() + rowBytes * static_cast<std::size_t>(y), rowBytes),
                      0)
                << "row " << y;
    }
}

} // namespace
