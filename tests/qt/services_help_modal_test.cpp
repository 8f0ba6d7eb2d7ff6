// Help asked for from a modal dialog: the viewer comes above the dialog and takes the input;
// asked for with no dialog up, it is an ordinary window again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "runtime/qt/qt_help.h"

namespace {

TEST(HelpViewerOverADialog, OpensModalAboveTheDialogAndOrdinaryWithout) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/Helpquopa.hlp";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("?_\n<html><body><h2><a name=\"300\">Colors</a></h2></body></html>");
    f.close();
    rt::qt::QtHelpViewer viewer;

    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    viewer.show(path.toStdString(), 300);
    ASSERT_NE(viewer.window(), nullptr);
    EXPECT_TRUE(viewer.window()->isVisible());
    EXPECT_EQ(viewer.window()->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(QApplication::activeModalWidget(), viewer.window());

    viewer.window()->close();
    dialog.close();
    viewer.show(path.toStdString(), 300);
    EXPECT_TRUE(viewer.window()->isVisible());
    EXPECT_EQ(viewer.window()->windowModality(), Qt::NonModal);
    viewer.window()->close();
}

}  // namespace
