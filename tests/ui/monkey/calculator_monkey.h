#pragma once

#include <QLocale>
#include <QPointer>
#include <QStringList>
#include <cstdint>
#include <string>

#include "tests/robustness/defect_tally.h"
#include "tests/robustness/field_text_generator.h"
#include "ui/calculator.h"

namespace amp::ui::monkey {

// A user who never tires: types into Form1's boxes, presses its buttons and range options,
// plots, moves the pointer over the shown graph windows, switches their read-out, hides them
// with "Chiudi" and closes them by the title bar, all drawn from a fixed seed. Each step is
// checked as it happens, and what it found is kept in the tally.
class CalculatorMonkey {
  public:
    CalculatorMonkey(std::uint32_t seed, const QLocale& locale);

    // One random action and its checks.
    void Step();

    // Closes Form1 by "Esci", which ends a session, and checks that only shown windows stay.
    void CloseForm1();

    const robustness::DefectTally& Tally() const { return tally_; }

  private:
    enum class Action {
        Type,
        Clear,
        TypeDesign,
        Sizing,
        ClearAll,
        Evaluate,
        Example,
        Graph,
        ChooseRange,
        Readout,
        PointerMove,
        ReadoutMode,
        Chiudi,
        TitleBarClose,
        Repaint,
    };

    Action NextAction();
    void Run(Action action);
    // Presses a Form1 button and checks its outcome: no message, or one known message and
    // nothing changed.
    void Press(const char* button, bool mayFail);
    void TypeInto(Field field, const QString& text);
    // A sensible text is one a user means as a value of the field; the others may be anything.
    QString TextFor(Field field, bool sensible);
    // A shown graph window drawn at random, or none when no window is shown.
    GraphWindow* ShownWindow();
    void Record(const std::optional<std::string>& defect);

    QStringList messages_;
    Calculator calculator_;
    std::string separator_;
    robustness::FieldTextGenerator generator_;
    robustness::DefectTally tally_;
    // The window plotted last, which is in front of the others while it is shown.
    QPointer<GraphWindow> front_;
    int step_ = 0;
};

}  // namespace amp::ui::monkey
