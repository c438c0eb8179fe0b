#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QtTest>

#include "tests/support/missing_tool.h"

namespace amp::ui {

// What a command-line tool prints, such as pdftotext reading back a written PDF.
inline QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace amp::ui

// Skips the test where poppler's tools are missing, or fails it in continuous integration.
#define SKIP_WITHOUT_POPPLER()                                                          \
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||                        \
        QStandardPaths::findExecutable("pdfinfo").isEmpty()) {                          \
        constexpr const char* kMissing =                                                \
            "poppler-utils (pdftotext, pdfinfo) is not installed: no PDF to read back"; \
        if (amp::test_support::MissingToolFails()) QFAIL(kMissing);                     \
        QSKIP(kMissing);                                                                \
    }
