#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <iterator>

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

// A button of a question: its caption and the answer that pressing it gives.
template <class Answer>
struct AnswerButton {
    QString caption;
    Answer answer;
};

// Asks through the asker with one button per answer, the first the default, and returns the
// answer of the button pressed, or `closed` when the box was closed without one.
template <class Answer>
Answer Ask(const QuestionAsker& ask, QWidget* parent, const QString& text,
           std::initializer_list<AnswerButton<Answer>> buttons, Answer closed) {
    QStringList captions;
    for (const AnswerButton<Answer>& button : buttons) captions << button.caption;
    const int pressed = ask(parent, text, captions);
    if (pressed < 0 || pressed >= captions.size()) return closed;
    return std::data(buttons)[pressed].answer;
}

}  // namespace amp::ui
