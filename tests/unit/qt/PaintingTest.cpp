// Painting in the Qt host: bitmaps of the program's resources stretched onto a dialog,
// and text in the surface's default font, its colour and background mode.
#include "framework/Dialog.h"
#include "framework/PaintDC.h"
#include "platform/qt/DialogWindow.h"
#include "framework/ResourceData.h"
#include "resources/ResourceIds.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <functional>

namespace {

class PaintedDialog : public CDialog {
public:
    PaintedDialog() : CDialog(IDD_ABOUT) {}
    std::function<void(CPaintDC&)> paint;

protected:
    const MessageMap* GetMessageMap() const override {
        static const MessageMap map(nullptr, {MapPaint(&PaintedDialog::OnPaint)});
        return &map;
    }

private:
    void OnPaint() {
        CPaintDC dc(this);
        paint(dc);
    }
};

QImage Wall() {
    std::span<const unsigned char> file = FindResourceData(ResourceKind::Bitmap, IDB_ABOUT_BACKGROUND);
    return QImage::fromData(file.data(), static_cast<int>(file.size()), "BMP");
}

class PaintingTest : public ::testing::Test {
protected:
    PaintedDialog dialog;
    DialogWindow* window = new DialogWindow(dialog, FindDialogTemplate(IDD_ABOUT), nullptr);
    CBitmap wall;
    ~PaintingTest() override { delete window; }

    QImage Painted(std::function<void(CPaintDC&)> paint) {
        dialog.paint = std::move(paint);
        return window->Client()->grab().toImage();
    }
};

}  // namespace

TEST_F(PaintingTest, APartOfTheBitmapIsStretchedOntoTheRectangleTopRowFirst) {
    ASSERT_TRUE(wall.LoadBitmapA(IDB_ABOUT_BACKGROUND));
    QImage source = Wall();
    QImage client = Painted([&](CPaintDC& dc) {
        EXPECT_TRUE(dc.StretchBlt(0, 0, 50, 40, wall, 10, 20, 50, 40, SRCCOPY));  // 1:1
        EXPECT_TRUE(dc.StretchBlt(100, 0, 100, 80, wall, 10, 20, 50, 40, SRCCOPY));  // twice as big
    });
    EXPECT_EQ(client.pixelColor(0, 0), source.pixelColor(10, 20));
    EXPECT_EQ(client.pixelColor(49, 39), source.pixelColor(59, 59));
    EXPECT_EQ(client.pixelColor(100, 0), source.pixelColor(10, 20));
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

TEST_F(PaintingTest, TextTakesItsColourAndAnOpaqueModePaintsItsBackground) {
    ASSERT_TRUE(wall.LoadBitmapA(IDB_ABOUT_BACKGROUND));
    int lineHeight = 0;
    QImage client = Painted([&](CPaintDC& dc) {
        RECT all;
        dialog.GetClientRect(&all);
        dc.StretchBlt(0, 0, all.right, all.bottom, wall, 0, 0, 303, 203, SRCCOPY);
        TEXTMETRICA metrics{};
        dc.GetTextMetricsA(&metrics);
        lineHeight = metrics.tmHeight;
        EXPECT_EQ(dc.SetTextColor(RGB(0, 0, 255)), RGB(0, 0, 0));
        dc.TextOutA(0, 0, "    ", 4);  // opaque by default: the background is the DC's white
        EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
        dc.TextOutA(0, 100, "    ", 4);
        dc.TextOutA(0, 150, "IIIIIIII", 8);
    });
    QImage stretched = Wall().scaled(client.size());
    EXPECT_EQ(client.pixelColor(1, lineHeight / 2), QColor(Qt::white));
    EXPECT_EQ(client.pixelColor(1, 100 + lineHeight / 2), stretched.pixelColor(1, 100 + lineHeight / 2));
    int blue = 0;
    for (int x = 0; x < 60; ++x) {
        for (int y = 150; y < 150 + lineHeight; ++y) {
            QColor pixel = client.pixelColor(x, y);
            blue += pixel.blue() > pixel.red() + 100 && pixel.blue() > pixel.green() + 100;  // the wall is grey
        }
    }
    EXPECT_GT(blue, 10);
}
