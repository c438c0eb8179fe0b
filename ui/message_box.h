#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace amp::ui {

// Where a window sends the one message of a failed action. The program shows a modal box; tests
// pass a sink that records the text.
using MessageSink = std::function<void(QWidget* parent, const QString& text)>;

// A modal box captioned "Amplificatore audio" with the text and one plain OK button, wide
// enough for its title to show in full.
void ShowModalMessage(QWidget* parent, const QString& text);

// Where a window asks the user to choose: the text and the captions of the buttons, the first the
// default. Returns the index of the button pressed, or -1 when the box was closed without one.
using QuestionAsker =
    std::function<int(QWidget* parent, const QString& text, const QStringList& buttons)>;

// A modal box in the style of the messages, with one plain button per caption.
int AskModalQuestion(QWidget* parent, const QString& text, const QStringList& buttons);

}  // namespace amp::ui
