#pragma once

#include <QLocale>
#include <QString>
#include <string>
#include <string_view>

namespace amp::ui {

// The core speaks UTF-8 std::string; the widgets speak QString.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
    return text.toStdString();
}

// The decimal separator of the locale, with which every displayed caption is written.
inline std::string DecimalSeparator(const QLocale& locale) {
    return ToStdString(locale.decimalPoint());
}

}  // namespace amp::ui
