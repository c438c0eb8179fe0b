#include "ui/calculator.h"

#include "ui/qt_text.h"

namespace amp::ui {

Calculator::Calculator(ProgramDialogs dialogs, const QLocale& locale)
    : decimalSeparator_(DecimalSeparator(locale)),
      graphs_(decimalSeparator_, {dialogs.showMessage, dialogs.chooseSaveFile}, &sweepPool_),
      form1_({dialogs.showMessage, dialogs.ask, dialogs.chooseOpenFile, dialogs.chooseSaveFile},
             std::move(dialogs.recentFiles), decimalSeparator_, &sweepPool_) {
    QObject::connect(&form1_, &MainWindow::graphRequested, &form1_, [this] { OnGraphRequested(); });
    // Hidden graph windows never outlive Form1; shown ones stay until closed.
    QObject::connect(&form1_, &MainWindow::closing, &form1_,
                     [this] { graphs_.DiscardHiddenWindows(); });
}

void Calculator::OnGraphRequested() {
    if (auto failure = graphs_.ShowGraph(form1_.FieldTextsNow(), form1_.SelectedRangeIndex())) {
        form1_.ShowMessage(ToQString(failure->message));
    }
}

}  // namespace amp::ui
