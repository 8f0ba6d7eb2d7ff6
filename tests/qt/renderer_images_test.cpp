// Images on screen, offscreen: the picture at its own size or stretched, the container showing
// through its transparent pixels whether the image paints the container's fill itself (a plain
// picture box) or lets the container paint below it.
#include <QGuiApplication>
#include <QScreen>

#include "runtime/controls.h"
#include "runtime/qt/convert.h"
#include "tests/qt/renderer_fixture.h"

namespace renderer_test {
namespace {

using namespace rt::palette;

class ImagesForm : public rt::Form {
  public:
    ImagesForm() : rt::Form("ImagesForm") {
        setClientSize(6000, 4500);
        table.move(150, 150, 4500, 3000);
        table.setBackColor(kGreen);
        table.setBorderStyle(rt::BorderStyle::None);
        die.move(300, 300, 480, 480);
        die.setPicture(halfTransparent());
    }
    // A 32 x 32 picture: red on its left half, transparent on its right half.
    static rt::Picture halfTransparent() {
        rt::Bitmap bitmap(32, 32, 0);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 16; ++x) bitmap.at(x, y) = 0xFFFF0000;
        return rt::Picture::fromBitmap(bitmap);
    }
    rt::PictureBox table{this, "table"};
    rt::Label under{&table, "under"};
    rt::Image die{&table, "die"};
};

class Images : public RendererTest {
  protected:
    // The label lies below the image, away from it or under it.
    ImagesForm& shown(bool labelUnder = false) {
        auto& form = make<ImagesForm>();
        form.under.setBackStyle(rt::BackStyle::Opaque);
        form.under.setBackColor(kBlue);
        form.under.move(labelUnder ? 0 : 3000, 0, 1500, 1500);
        form.show();
        display->processEvents();
        return form;
    }
    // The table as the screen shows it, in its own pixels.
    QImage screen(const ImagesForm& form) {
        display->processEvents();
        return widgetOf(form.table)->grab().toImage();
    }
    // The table as the window holds it: what the last repaints left there, not drawn afresh.
    QImage onScreen(const ImagesForm& form) {
        display->processEvents();
        QWidget* table = widgetOf(form.table);
        const QPoint at = table->mapTo(table->window(), QPoint(0, 0));
        const QPixmap window =
            QGuiApplication::primaryScreen()->grabWindow(table->window()->winId());
        return window.copy(QRect(at, table->size())).toImage();
    }
    bool opaque(const ImagesForm& form) {
        return widgetOf(form.die)->testAttribute(Qt::WA_OpaquePaintEvent);
    }
};

TEST_F(Images, OnAPlainBoxTheImagePaintsTheFillBehindItsTransparentPixels) {
    auto& form = shown();
    EXPECT_TRUE(opaque(form));
    QImage image = screen(form);
    EXPECT_EQ(image.pixelColor(20 + 5, 20 + 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(20 + 25, 20 + 5), QColor(Qt::green));
    // A new picture, and the table's colour changed since the image decided.
    form.table.setBackColor(kYellow);
    form.die.setPicture(ImagesForm::halfTransparent());
    image = screen(form);
    EXPECT_EQ(image.pixelColor(20 + 5, 20 + 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(20 + 25, 20 + 5), QColor(Qt::yellow));
}

TEST_F(Images, EveryNewPictureReachesTheWindow) {
    auto& form = shown();
    rt::Bitmap blue(32, 32, 0xFF0000FF);
    const rt::Picture frames[2] = {ImagesForm::halfTransparent(), rt::Picture::fromBitmap(blue)};
    for (int tick = 0; tick < 4; ++tick) {
        form.die.setPicture(frames[tick % 2]);
        const QImage image = onScreen(form);
        EXPECT_EQ(image.pixelColor(20 + 25, 20 + 5),
                  tick % 2 ? QColor(Qt::blue) : QColor(Qt::green))
            << "tick " << tick;
    }
}

TEST_F(Images, AControlBelowTheImageShowsThroughItsTransparentPixels) {
    auto& form = shown(true);
    form.die.setPicture(ImagesForm::halfTransparent());
    EXPECT_FALSE(opaque(form));
    QImage image = screen(form);
    EXPECT_EQ(image.pixelColor(20 + 5, 20 + 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(20 + 25, 20 + 5), QColor(Qt::blue));
}

TEST_F(Images, AControlComingBelowAfterTheImageDecidedStillShowsThrough) {
    auto& form = shown();
    ASSERT_TRUE(opaque(form));
    form.under.setLeft(0);
    widgetOf(form.die)->update();
    QImage image = screen(form);
    EXPECT_FALSE(opaque(form));
    EXPECT_EQ(image.pixelColor(20 + 25, 20 + 5), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(20 + 5, 20 + 5), QColor(Qt::red));
}

TEST_F(Images, TheBoxPictureShowsThroughAndAStretchedPictureFillsTheImage) {
    auto& form = shown();
    rt::Bitmap blue(300, 200, 0xFF0000FF);
    form.table.setPicture(rt::Picture::fromBitmap(blue));
    form.die.setPicture(ImagesForm::halfTransparent());
    EXPECT_FALSE(opaque(form));
    QImage image = screen(form);
    EXPECT_EQ(image.pixelColor(20 + 25, 20 + 5), QColor(Qt::blue));

    form.die.setStretch(true);
    form.die.move(300, 300, 960, 480);  // 64 x 32 pixels: the red half now 32 pixels wide
    image = screen(form);
    EXPECT_EQ(image.pixelColor(20 + 28, 20 + 16), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(20 + 36, 20 + 16), QColor(Qt::blue));
}

}  // namespace
}  // namespace renderer_test
