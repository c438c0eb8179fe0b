#include <QtTest>

#include "tests/ui/monkey/calculator_monkey.h"
#include "tests/ui/support/qtest_main.h"

namespace amp::ui::monkey {
namespace {

constexpr int kSteps = 4000;

// Runs a session to its end and checks that it found nothing, and that it reached every kind of
// outcome often enough to prove something about it.
void RunSession(std::uint32_t seed, const QLocale& locale) {
    CalculatorMonkey monkey(seed, locale);
    for (int i = 0; i < kSteps; ++i) monkey.Step();
    monkey.CloseForm1();

    const robustness::DefectTally& tally = monkey.Tally();
    const std::string report = tally.Report();
    QVERIFY2(tally.Defects() == 0, report.c_str());
    for (const char* outcome : {"Command4", "readout", "type"}) {
        QVERIFY2(tally.Occurrences(outcome) > kSteps / 40, (outcome + ("\n" + report)).c_str());
    }
    for (const char* outcome :
         {"Command1", "Command1 refused", "Command4 refused", "Command5", "Command5 refused",
          "pointer move", "Chiudi", "title-bar close",
          "Devi selezionare il campo di frequenze del grafico, es: 1 Hz - 100 kHz"}) {
        QVERIFY2(tally.Occurrences(outcome) > 0, (outcome + ("\n" + report)).c_str());
    }
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

  private slots:
    void randomSessionWithThePointFindsNothing() { RunSession(0x5EED0006, QLocale::c()); }

    void randomSessionWithTheCommaFindsNothing() {
        RunSession(0x5EED0007, QLocale(QLocale::Italian, QLocale::Italy));
    }
};

const test_support::RegisteredQtTest<MonkeyTest> kMonkeyTest;

}  // namespace amp::ui::monkey

#include "monkey_test.moc"
