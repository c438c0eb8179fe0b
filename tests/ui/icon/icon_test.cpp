#include "ui/icon.h"

#include <QtTest>

#include "tests/ui/support/qtest_main.h"

namespace amp::ui {

class IconTest : public QObject {
    Q_OBJECT

  private slots:
    // The rendered PNGs reach the program: every size a window takes, each with the image on it.
    void carriesEveryWindowSize() {
        const QIcon icon = AmplifierIcon();
        const QList<QSize> expected{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
        QList<QSize> sizes = icon.availableSizes();
        std::sort(sizes.begin(), sizes.end(),
                  [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(sizes, expected);
        for (const QSize size : expected) {
            const QImage image = icon.pixmap(size).toImage();
            QCOMPARE(image.size(), size);
            QVERIFY2(qAlpha(image.pixel(size.width() / 3, size.height() / 2)) > 0,
                     qPrintable(QStringLiteral("blank at %1 px").arg(size.width())));
        }
    }
};

const test_support::RegisteredQtTest<IconTest> kIconTest;

}  // namespace amp::ui

#include "icon_test.moc"
