#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace amp::ui {

// Whether the text laid out with the flags in the font fits the area.
bool CaptionFits(const QFont& font, const QString& text, const QRect& area, int flags);

// The font, reduced from the given one in quarter points when needed (down to 6 point), in which
// the text laid out with the flags fits the area. Liberation Sans is wider than the fonts the forms
// were designed with, so captions shrink a little instead of being clipped.
QFont FontFittingArea(const QFont& font, const QString& text, const QRect& area, int flags);

}  // namespace amp::ui
