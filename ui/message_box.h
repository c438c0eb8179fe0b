#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace amp::ui {

// Where a window sends the one message of a failed action. The program shows a modal box; tests
// pass a sink that records the text.
using MessageSink = std::function<void(QWidget* parent, const QString& text)>;

// A modal box captioned "Amplificatore audio" with the text and one plain OK button, wide
// enough for its title to show in full.
void ShowModalMessage(QWidget* parent, const QString& text);

}  // namespace amp::ui
