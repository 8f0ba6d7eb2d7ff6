// The colour chooser on Qt's colour dialog: the initial colour, the title, OK and Cancel.
#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QColorDialog>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QTimer>

#include "runtime/appearance.h"
#include "runtime/qt/qt_colour_chooser.h"

namespace {

// Runs `act` on the colour dialog once it is up, from inside its own event loop. A dialog that
// never comes up fails the test.
void whenChooserShows(std::function<void(QColorDialog*)> act) {
    auto deadline = std::make_shared<QDeadlineTimer>(20000);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, deadline, poll] {
        if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
            act(dialog);
            *poll = nullptr;  // breaks the cycle
            return;
        }
        if (deadline->hasExpired()) {
            ADD_FAILURE() << "no colour dialog came up";
            *poll = nullptr;
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

TEST(ColourChooserService, OkReturnsThePickedColourRedInTheLowByte) {
    QString title;
    QColor initial;
    whenChooserShows([&](QColorDialog* dialog) {
        title = dialog->windowTitle();
        initial = dialog->currentColor();
        dialog->setCurrentColor(QColor(0x12, 0x34, 0x56, 0x80));
        dialog->accept();
    });
    rt::qt::QtColourChooser chooser;
    const auto picked = chooser.choose(rt::rgb(200, 100, 50), " Casas de pontos - fundo");
    EXPECT_EQ(title, QString::fromUtf8(" Casas de pontos - fundo"));
    EXPECT_EQ(initial, QColor(200, 100, 50));
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(*picked, 0x563412);  // transparency dropped
}

TEST(ColourChooserService, CancelAndEscapeReturnNothing) {
    rt::qt::QtColourChooser chooser;
    whenChooserShows([](QColorDialog* dialog) {
        dialog->setCurrentColor(Qt::red);
        dialog->reject();
    });
    EXPECT_FALSE(chooser.choose(rt::rgb(1, 2, 3), "x").has_value());

    whenChooserShows([](QColorDialog* dialog) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(dialog, &escape);
    });
    EXPECT_FALSE(chooser.choose(rt::rgb(1, 2, 3), "x").has_value());
}

}  // namespace
