#include "tests/ui/monkey/calculator_monkey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <array>
#include <utility>

#include "core/checks/field_check.h"
#include "core/design/design.h"
#include "graph/plot_grid.h"
#include "tests/robustness/known_messages.h"
#include "tests/ui/monkey/calculator_state.h"
#include "ui/qt_text.h"

namespace amp::ui::monkey {
namespace {

// A little beyond the plot area on every side, as a pointer leaving it would report.
constexpr int kReadoutMargin = 600;

}  // namespace

CalculatorMonkey::CalculatorMonkey(std::uint32_t seed, const QLocale& locale)
    : calculator_(
          {
              .showMessage = [this](QWidget*, const QString& text) { messages_ << text; },
              // The session ends with "Esci": the design it typed is not kept.
              .ask =
                  [](QWidget*, const QString&, const QStringList& buttons) {
                      return static_cast<int>(buttons.indexOf(QStringLiteral("Non salvare")));
                  },
              .recentFiles = {[] { return QStringList(); }, [](const QStringList&) {}},
          },
          locale),
      separator_(ToStdString(locale.decimalPoint())),
      generator_(seed) {
    calculator_.Form1().show();
    // A design typed in, but no range chosen yet: the first plots are refused for the range.
    Run(Action::TypeDesign);
}

CalculatorMonkey::Action CalculatorMonkey::NextAction() {
    // How often each action comes, in parts of 100: mostly typing, plotting and pointer moves.
    constexpr std::array<std::pair<int, Action>, 15> kWeights{{
        {25, Action::Type},
        {3, Action::Clear},
        {5, Action::TypeDesign},
        {6, Action::Sizing},
        {1, Action::ClearAll},
        {8, Action::Evaluate},
        {2, Action::Example},
        {14, Action::Graph},
        {6, Action::ChooseRange},
        {15, Action::Readout},
        {3, Action::PointerMove},
        {5, Action::ReadoutMode},
        {3, Action::Chiudi},
        {2, Action::TitleBarClose},
        {2, Action::Repaint},
    }};
    int draw = generator_.Random().Between(1, 100);
    for (const auto& [weight, action] : kWeights) {
        if (draw <= weight) return action;
        draw -= weight;
    }
    return Action::Type;
}

void CalculatorMonkey::Step() {
    ++step_;
    Run(NextAction());
    Record(ShownCaptionDefect(calculator_, separator_));
    if (!calculator_.Form1().isVisible()) Record("Form1 closed");
}

void CalculatorMonkey::Run(Action action) {
    robustness::PortableRandom& random = generator_.Random();
    switch (action) {
        case Action::Type:
        case Action::Clear: {
            const Field field = FieldOfTextBox(random.Between(1, kFieldCount));
            TypeInto(field, action == Action::Type ? TextFor(field, false) : QString());
            return;
        }
        case Action::TypeDesign:
            for (Field field : kGraphCheckOrder) TypeInto(field, TextFor(field, true));
            TypeInto(Field::f, TextFor(Field::f, true));
            return;
        case Action::Sizing:
            return Press("Command1", true);
        case Action::ClearAll:
            return Press("Command2", false);
        case Action::Evaluate:
            return Press("Command5", true);
        case Action::Example:
            return Press("Command6", false);
        case Action::Graph: {
            const qsizetype shownBefore = messages_.size();
            Press("Command4", true);
            if (messages_.size() != shownBefore) return;
            const std::optional<int> range = calculator_.Form1().SelectedRangeIndex();
            front_ = range ? calculator_.GraphWindows().Window(*range) : nullptr;
            if (!front_ || !front_->isVisible()) Record("a granted plot shows no window");
            return;
        }
        case Action::ChooseRange:
            return Press(qPrintable(QStringLiteral("Option%1").arg(random.Between(2, 7))), false);
        case Action::Readout:
            if (GraphWindow* window = ShownWindow()) {
                window->ShowPointerReadout(
                    QPointF(random.Between(-kReadoutMargin, kPlotAreaWidth + kReadoutMargin),
                            random.Between(-kReadoutMargin, kPlotAreaHeight + kReadoutMargin)));
                tally_.Count("readout");
            }
            return;
        case Action::PointerMove:
            if (front_ && front_->isVisible()) {
                QWidget* plotArea = front_->findChild<QWidget*>(QStringLiteral("Picture1"));
                QTest::mouseMove(plotArea, QPoint(random.Between(0, plotArea->width() - 1),
                                                  random.Between(0, plotArea->height() - 1)));
                tally_.Count("pointer move");
            }
            return;
        case Action::ReadoutMode:
            if (GraphWindow* window = ShownWindow()) {
                const QString option =
                    random.OneIn(2) ? QStringLiteral("Option1") : QStringLiteral("Option2");
                QTest::mouseClick(window->findChild<QRadioButton*>(option), Qt::LeftButton);
            }
            return;
        case Action::Chiudi:
            if (QPointer<GraphWindow> window = ShownWindow()) {
                QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")),
                                  Qt::LeftButton);
                // Form1 stays shown, so "Chiudi" only hides the window.
                if (!window || window->isVisible()) Record("\"Chiudi\" did not hide its window");
                tally_.Count("Chiudi");
            }
            return;
        case Action::TitleBarClose:
            if (QPointer<GraphWindow> window = ShownWindow()) {
                window->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                if (window) Record("a window closed by its title bar stays");
                tally_.Count("title-bar close");
            }
            return;
        case Action::Repaint:
            QApplication::processEvents();
            return;
    }
}

void CalculatorMonkey::Press(const char* button, bool mayFail) {
    const QStringList before = CalculatorState(calculator_);
    const qsizetype shownBefore = messages_.size();
    auto* control = calculator_.Form1().findChild<QAbstractButton*>(QString::fromLatin1(button));
    QTest::mouseClick(control, Qt::LeftButton);
    const QStringList shown = messages_.mid(shownBefore);
    tally_.Count(std::string(button) + (shown.isEmpty() ? "" : " refused"));
    if (shown.isEmpty()) return;

    const std::string name(button);
    if (shown.size() > 1) Record(name + " showed " + std::to_string(shown.size()) + " messages");
    for (const QString& message : shown) {
        tally_.Count(robustness::MessageKind(message.toStdString()));
        if (!robustness::IsKnownMessage(message.toStdString())) {
            Record(name + " showed the unknown message \"" + message.toStdString() + "\"");
        }
    }
    if (!mayFail) Record(name + " showed \"" + shown.front().toStdString() + "\"");
    const QStringList after = CalculatorState(calculator_);
    if (after != before) {
        Record(name + " failed with \"" + shown.front().toStdString() + "\" but changed " +
               FirstDifference(before, after));
    }
}

void CalculatorMonkey::TypeInto(Field field, const QString& text) {
    auto* box = calculator_.Form1().findChild<QLineEdit*>(
        QStringLiteral("Text%1").arg(TextBoxNumber(field)));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    // QTest has keys for printable ASCII only; anything else arrives as if pasted.
    for (QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(box, static_cast<char>(c.unicode()));
        } else {
            box->insert(QString(c));
        }
    }
    tally_.Count(text.isEmpty() ? "clear" : "type");
}

QString CalculatorMonkey::TextFor(Field field, bool sensible) {
    robustness::PortableRandom& random = generator_.Random();
    std::string text;
    if (field == Field::N) {
        // Mostly a few dozen samples, so that plots stay quick.
        text = sensible || !random.OneIn(5) ? generator_.SampleCountText() : generator_.AnyText();
    } else if (sensible || random.OneIn(2)) {
        text = random.OneIn(2) ? generator_.PlausibleText(field)
                               : std::string(robustness::TypicalText(field));
    } else {
        text = random.OneIn(2) ? generator_.NumberText() : generator_.AnyText();
    }
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

GraphWindow* CalculatorMonkey::ShownWindow() {
    std::vector<GraphWindow*> shown;
    for (int range = 1; range <= kRangeCount; ++range) {
        GraphWindow* window = calculator_.GraphWindows().Window(range);
        if (window && window->isVisible()) shown.push_back(window);
    }
    if (shown.empty()) return nullptr;
    return shown[generator_.Random().Below(static_cast<std::uint32_t>(shown.size()))];
}

void CalculatorMonkey::CloseForm1() {
    QTest::mouseClick(calculator_.Form1().findChild<QAbstractButton*>(QStringLiteral("Command3")),
                      Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (calculator_.Form1().isVisible()) Record("\"Esci\" left Form1 open");
    for (int range = 1; range <= kRangeCount; ++range) {
        GraphWindow* window = calculator_.GraphWindows().Window(range);
        if (window && !window->isVisible()) Record("a hidden graph window outlived Form1");
    }
}

void CalculatorMonkey::Record(const std::optional<std::string>& defect) {
    tally_.Record(defect, "step " + std::to_string(step_));
}

}  // namespace amp::ui::monkey
