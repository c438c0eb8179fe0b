#include "tests/ui/monkey/calculator_state.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <vector>

#include "core/checks/field.h"
#include "core/design/design.h"
#include "tests/robustness/outcome_rules.h"

namespace amp::ui::monkey {
namespace {

constexpr const char* kResultLabels[] = {"Label40", "Label44", "Label47", "Label48"};

std::vector<QLabel*> GraphLabels(Calculator& calculator) {
    std::vector<QLabel*> labels;
    for (int range = 1; range <= kRangeCount; ++range) {
        if (GraphWindow* window = calculator.GraphWindows().Window(range)) {
            for (QLabel* label : window->findChildren<QLabel*>()) labels.push_back(label);
        }
    }
    return labels;
}

void AppendWindowState(QStringList& state, const QString& name, GraphWindow* window) {
    if (!window) {
        state << name + QStringLiteral(" absent");
        return;
    }
    state << name + (window->isVisible() ? QStringLiteral(" shown") : QStringLiteral(" hidden"));
    for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
        state << option->objectName() + QStringLiteral(" checked ") +
                     QString::number(option->isChecked());
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        state << label->objectName() + QLatin1Char('=') + label->text() +
                     (label->isVisibleTo(window) ? QString() : QStringLiteral(" (hidden)"));
    }
}

}  // namespace

QStringList CalculatorState(Calculator& calculator) {
    MainWindow& form1 = calculator.Form1();
    QStringList state;
    for (int box = 1; box <= kFieldCount; ++box) {
        const QString name = QStringLiteral("Text%1").arg(box);
        state << name + QLatin1Char('=') + form1.findChild<QLineEdit*>(name)->text();
    }
    for (const char* name : kResultLabels) {
        state << QString::fromLatin1(name) + QLatin1Char('=') +
                     form1.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    state << QStringLiteral("range ") + QString::number(form1.SelectedRangeIndex().value_or(0));
    for (int range = 1; range <= kRangeCount; ++range) {
        AppendWindowState(state, QStringLiteral("Form%1").arg(range + 1),
                          calculator.GraphWindows().Window(range));
    }
    return state;
}

std::string FirstDifference(const QStringList& before, const QStringList& after) {
    for (qsizetype i = 0; i < before.size() && i < after.size(); ++i) {
        if (before[i] != after[i]) {
            return before[i].toStdString() + " became " + after[i].toStdString();
        }
    }
    return before.size() == after.size() ? std::string("no difference")
                                         : std::string("the number of controls changed");
}

std::optional<std::string> ShownCaptionDefect(Calculator& calculator, std::string_view separator) {
    std::vector<QLabel*> labels;
    for (const char* name : kResultLabels) {
        labels.push_back(calculator.Form1().findChild<QLabel*>(QString::fromLatin1(name)));
    }
    for (QLabel* label : GraphLabels(calculator)) labels.push_back(label);
    for (QLabel* label : labels) {
        if (auto defect = robustness::ShownTextDefect(label->text().toStdString(), separator)) {
            return (label->window()->objectName() + QLatin1Char('.') + label->objectName())
                       .toStdString() +
                   ": " + *defect;
        }
    }
    return std::nullopt;
}

}  // namespace amp::ui::monkey
