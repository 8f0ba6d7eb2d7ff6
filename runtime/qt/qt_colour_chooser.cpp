#include "runtime/qt/qt_colour_chooser.h"

#include <QApplication>
#include <QColorDialog>
#include <QPointer>

#include "runtime/appearance.h"
#include "runtime/qt/convert.h"

namespace rt::qt {

std::optional<int32_t> QtColourChooser::choose(int32_t initial, const std::string& title) {
    QPointer<QColorDialog> dialog =
        new QColorDialog(toQColor(initial), QApplication::activeWindow());
    dialog->setWindowTitle(toQString(title));
    dialog->setWindowModality(Qt::ApplicationModal);
    const int result = dialog->exec();
    if (!dialog) return std::nullopt;  // destroyed while it ran, as the program ended
    const QColor picked = dialog->selectedColor();
    delete dialog;
    if (result != QDialog::Accepted || !picked.isValid()) return std::nullopt;
    // The game keeps 24-bit colours: whatever transparency the dialog offers is dropped.
    return rgb(picked.red(), picked.green(), picked.blue());
}

}  // namespace rt::qt
