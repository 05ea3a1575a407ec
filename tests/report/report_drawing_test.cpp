#include "ConnectionDrawing.h"
#include "ReportFixtures.h"
#include "model/Errors.h"
#include "report/Bitmap.h"

#include <gtest/gtest.h>

#include <cmath>
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

} // namespace
