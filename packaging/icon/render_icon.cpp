// Renders the program's SVG icon into the square PNGs that are checked in beside it, or checks that
// those PNGs still show the SVG.
//   render_icon <icon.svg> <folder> <size>...   writes <folder>/<size>.png for each size
//   render_icon --check <icon.svg> <folder>     compares every <size>.png in the folder
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Antialiasing may round differently from one Qt release to the next.
constexpr int kChannelTolerance = 8;

QImage Render(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

bool Matches(const QImage& rendered, const QImage& stored) {
    if (stored.size() != rendered.size()) return false;
    const QImage converted = stored.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < rendered.height(); ++y) {
        for (int x = 0; x < rendered.width(); ++x) {
            const QRgb a = rendered.pixel(x, y);
            const QRgb b = converted.pixel(x, y);
            const int difference =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            if (difference > kChannelTolerance) return false;
        }
    }
    return true;
}

int Write(QSvgRenderer& renderer, const QDir& folder, const QStringList& sizes) {
    for (const QString& text : sizes) {
        const int size = text.toInt();
        const QString file = folder.filePath(QStringLiteral("%1.png").arg(text));
        if (size <= 0 || !Render(renderer, size).save(file, "PNG")) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(file));
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}

int Check(QSvgRenderer& renderer, const QDir& folder) {
    const QStringList files = folder.entryList({QStringLiteral("*.png")}, QDir::Files);
    int stale = 0;
    for (const QString& name : files) {
        const QImage stored(folder.filePath(name));
        const int size = QString(name).remove(QStringLiteral(".png")).toInt();
        if (size <= 0 || !Matches(Render(renderer, size), stored)) {
            std::fprintf(stderr, "%s does not show the SVG at its size.\n", qPrintable(name));
            ++stale;
        }
    }
    if (files.isEmpty() || stale > 0) {
        std::fprintf(stderr,
                     "Render the PNGs again: cmake --build <build tree> --target icon_pngs\n");
        return EXIT_FAILURE;
    }
    std::printf("%lld PNGs show the SVG.\n", static_cast<long long>(files.size()));
    return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    const int first = check ? 2 : 1;
    if (argc < first + 2 || (!check && argc < first + 3)) {
        std::fprintf(stderr,
                     "usage: render_icon <icon.svg> <folder> <size>...\n"
                     "       render_icon --check <icon.svg> <folder>\n");
        return EXIT_FAILURE;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[first]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[first]);
        return EXIT_FAILURE;
    }
    const QDir folder(QString::fromLocal8Bit(argv[first + 1]));
    if (check) return Check(renderer, folder);
    QStringList sizes;
    for (int index = first + 2; index < argc; ++index) sizes << QString::fromLocal8Bit(argv[index]);
    return Write(renderer, folder, sizes);
}
