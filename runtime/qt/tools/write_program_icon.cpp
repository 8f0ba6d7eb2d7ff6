// A build step: writes the program's icon as a PNG file, which the build puts beside the program
// and the launchers made by the shortcuts dialog name. The icon is the same picture the program
// draws for its windows, enlarged by a whole factor so that its pixels stay sharp.
//
//   write_program_icon OUT.png SIZE
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "resources/resources.h"

int main(int argc, char** argv) {
    const int size = argc == 3 ? std::atoi(argv[2]) : 0;
    if (size <= 0) {
        std::fprintf(stderr, "usage: %s OUT.png SIZE\n", argv[0]);
        return 2;
    }
    const rt::Bitmap& icon = *quopa::resources::icon(1).bitmap();
    QImage image(icon.width, icon.height, QImage::Format_ARGB32);
    for (int y = 0; y < icon.height; ++y)
        std::memcpy(image.scanLine(y), &icon.pixels[static_cast<std::size_t>(y) * icon.width],
                    static_cast<std::size_t>(icon.width) * sizeof(uint32_t));
    const QImage scaled = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!scaled.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
