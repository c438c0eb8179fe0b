// Renders the program's SVG icon into square PNGs, one per size a desktop asks for.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <icon.svg> <output folder> <size>...\n", argv[0]);
        return EXIT_FAILURE;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return EXIT_FAILURE;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    for (int index = 3; index < argc; ++index) {
        const int size = QString::fromLocal8Bit(argv[index]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "%s: not a size: %s\n", argv[0], argv[index]);
            return EXIT_FAILURE;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString file = QStringLiteral("%1/%2.png").arg(folder).arg(size);
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}
