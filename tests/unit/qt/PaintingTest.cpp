// Painting in a Qt window: the program's bitmaps stretched onto a dialog, and text metrics
// of the surface's font.
#include "framework/ResourceData.h"
#include "unit/qt/RecordingDialog.h"

namespace {

class PaintingTest : public QtDialogTest {
protected:
    PaintingTest() : QtDialogTest(IDD_ABOUT) {}
    CBitmap wall;

    QImage Painted(std::function<void(CPaintDC&)> paint) {
        dialog.paint = std::move(paint);
        return window->Client()->grab().toImage();
    }
};

}  // namespace

TEST_F(PaintingTest, APartOfTheBitmapIsStretchedOntoTheRectangleTopRowFirst) {
    ASSERT_TRUE(wall.LoadBitmapA(IDB_ABOUT_BACKGROUND));
    std::span<const unsigned char> file = FindResourceData(ResourceKind::Bitmap, IDB_ABOUT_BACKGROUND);
    QImage source = QImage::fromData(file.data(), static_cast<int>(file.size()), "BMP");
    QImage client = Painted([&](CPaintDC& dc) {
        EXPECT_TRUE(dc.StretchBlt(0, 0, 50, 40, wall, 10, 20, 50, 40, SRCCOPY));  // 1:1
        EXPECT_TRUE(dc.StretchBlt(100, 0, 100, 80, wall, 10, 20, 50, 40, SRCCOPY));  // twice as big
    });
    EXPECT_EQ(client.pixelColor(0, 0), source.pixelColor(10, 20));
    EXPECT_EQ(client.pixelColor(49, 39), source.pixelColor(59, 59));
    EXPECT_EQ(client.pixelColor(199, 79), source.pixelColor(59, 59));
    EXPECT_EQ(client.pixelColor(150, 40), source.pixelColor(35, 40));
}

TEST_F(PaintingTest, TextIsInTheApplicationsFontNotTheDialogs) {
    QFont saved = QApplication::font();
    QFont big = saved;
    big.setPixelSize(40);
    QApplication::setFont(big);
    TEXTMETRICA metrics{};
    Painted([&](CPaintDC& dc) { EXPECT_TRUE(dc.GetTextMetricsA(&metrics)); });
    QApplication::setFont(saved);
    EXPECT_GE(metrics.tmHeight, 40);
    EXPECT_EQ(metrics.tmHeight, metrics.tmAscent + metrics.tmDescent);
    EXPECT_GT(metrics.tmAveCharWidth, 10);
}
