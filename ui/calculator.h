#pragma once

#include <QLocale>

#include "core/sweep/sweep_pool.h"
#include "ui/graph_window/graph_window_set.h"
#include "ui/main_window/main_window.h"
#include "ui/message_box.h"

namespace amp::ui {

// How the program asks the user and what it remembers between runs. The program shows dialogs
// and keeps its recent files in the user's settings; tests answer at once and keep them in memory.
struct ProgramDialogs {
    MessageSink showMessage = ShowModalMessage;
    QuestionAsker ask = AskModalQuestion;
    OpenFileChooser chooseOpenFile = AskOpenFileName;
    SaveFileChooser chooseSaveFile = AskSaveFileName;
    RecentFilesStore recentFiles = SettingsRecentFilesStore();
};

// The program's windows: Form1 and the graph windows that "Grafico di Vo/Vi" plots into.
class Calculator {
  public:
    explicit Calculator(ProgramDialogs dialogs = {}, const QLocale& locale = QLocale());
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    MainWindow& Form1() { return form1_; }
    GraphWindowSet& GraphWindows() { return graphs_; }

  private:
    void OnGraphRequested();

    // The threads that share long sweeps, for as long as the program runs.
    SweepPool sweepPool_;
    // The user's locale's, for every displayed caption of every window.
    std::string decimalSeparator_;
    // Declared before Form1 so the graph windows outlive it: a shown one stays open after Form1
    // has closed, until the user closes it.
    GraphWindowSet graphs_;
    MainWindow form1_;
};

}  // namespace amp::ui
