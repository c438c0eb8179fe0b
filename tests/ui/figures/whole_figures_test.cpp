#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "core/checks/messages.h"
#include "tests/ui/support/form1_driver.h"
#include "tests/ui/support/qtest_main.h"
#include "ui/forms/caption_fit.h"
#include "ui/forms/value_label.h"
#include "ui/message_box.h"

namespace amp::ui {
namespace {

using test_support::Form1Driver;

const QLocale kItalian(QLocale::Italian, QLocale::Italy);

QString WithSeparator(QString text, const QLocale& locale) {
    return text.replace(QLatin1Char('.'), locale.decimalPoint());
}

ValueLabel& ValueLabelOf(QWidget& window, const QString& name) {
    auto* label = window.findChild<ValueLabel*>(name);
    if (!label)
        qFatal("%s has no value label %s", qPrintable(window.objectName()), qPrintable(name));
    return *label;
}

// Whether the label's text, at the label's font, fits inside its contents, with the given pixels
// to spare at either end.
bool ShownWhole(const QLabel& label, int spare = 0) {
    const int margin = std::max(label.indent(), 0) + spare;
    return CaptionFits(label.font(), label.text(),
                       label.contentsRect().adjusted(margin, 0, -margin, 0),
                       int(label.alignment()));
}

// Form1 with a graph of the reference set shown in the 1 Hz ... 1 MHz window.
GraphWindow& PlottedWindow(Form1Driver& form) {
    form.TypeReferenceSet();
    form.Click("Option7");
    form.Click("Command4");
    return *form.Window(6);
}

}  // namespace

class WholeFiguresTest : public QObject {
    Q_OBJECT

  private slots:
    void everyWrittenLabelShowsItsValueWhole_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("atDesignSize");
        for (const QLocale& locale : {QLocale::c(), kItalian}) {
            const QString name = locale.name();
            QTest::newRow(qPrintable(name + " huge"))
                << locale << "696157569314572897812266090496.00"
                << "6.96E+29" << false;
            QTest::newRow(qPrintable(name + " tiny")) << locale << "0.01"
                                                      << "0.01" << true;
            QTest::newRow(qPrintable(name + " ordinary")) << locale << "-2.28"
                                                          << "-2.28" << true;
        }
    }

    void everyWrittenLabelShowsItsValueWhole() {
        QFETCH(QLocale, locale);
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QFETCH(bool, atDesignSize);
        Form1Driver form(locale);
        GraphWindow& graph = PlottedWindow(form);
        const QList<std::pair<QWidget*, QString>> labels{
            {&form.Form1(), "Label40"}, {&form.Form1(), "Label44"}, {&form.Form1(), "Label47"},
            {&form.Form1(), "Label48"}, {&graph, "Label1"},         {&graph, "Label17"},
            {&graph, "Label18"},        {&graph, "Label19"},        {&graph, "Label20"},
            {&graph, "Label21"}};
        const std::string separator = locale.decimalPoint().toStdString();
        for (const auto& [window, name] : labels) {
            ValueLabel& label = ValueLabelOf(*window, name);
            const qreal designSize = label.font().pointSizeF();
            label.SetValue(WithSeparator(caption, locale), separator);
            QCOMPARE(label.text(), WithSeparator(shown, locale));
            QVERIFY2(ShownWhole(label), qPrintable(name));
            QCOMPARE(label.accessibleName(), label.text());
            if (atDesignSize) QCOMPARE(label.font().pointSizeF(), designSize);
            QVERIFY(label.font().pointSizeF() >= 6.0);
        }
    }

    void hugeModulusIsShownInExponentForm_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("Italian") << kItalian;
    }

    void hugeModulusIsShownInExponentForm() {
        QFETCH(QLocale, locale);
        Form1Driver form(locale);
        form.TypeReferenceSet();
        form.Type("Text6", "-1");
        form.Type("Text13", "1E30");
        form.Click("Command5");
        QCOMPARE(form.messages, QStringList());
        QCOMPARE(form.LabelText("Label40"), WithSeparator("6.96E+29", locale));
        QVERIFY(ShownWhole(form.Get<QLabel>("Label40")));
    }

    // A realistic design of about 78 dB: its levels need all their digits.
    void levelsOfAHighGainDesignKeepTheirDigits() {
        Form1Driver form;
        form.Click("Command6");
        form.Type("Text4", "8720");
        form.Click("Command1");
        form.Click("Command4");
        QCOMPARE(form.messages, QStringList());
        GraphWindow& graph = *form.Window(5);
        for (const auto& [name, caption] :
             {std::pair{"Label1", "7614.36"}, {"Label17", "5383.35"}}) {
            const QLabel& label = ValueLabelOf(graph, name);
            QCOMPARE(label.text(), QString::fromLatin1(caption));
            // Edge to edge, the last column of Label1's final 6 lay on the plot area's frame.
            QVERIFY2(ShownWhole(label, 1), name);
        }
        graph.ShowPointerReadout(QPointF(5610, 480));
        QCOMPARE(ValueLabelOf(graph, "Label19").text(), "7614.36");
    }

    void readoutFarOffTheAxesShowsExponentForm() {
        Form1Driver form;
        GraphWindow& graph = PlottedWindow(form);
        graph.ShowPointerReadout(QPointF(200000, -2000000));
        QCOMPARE(ValueLabelOf(graph, "Label18").text(), "1.68E+109");
        QCOMPARE(ValueLabelOf(graph, "Label19").text(), "243.63");
        QVERIFY(ShownWhole(ValueLabelOf(graph, "Label18")));
    }

    void pastedTextIsReadWhole() {
        Form1Driver form;
        form.Click("Command6");
        const QString digits = QString(39999, QLatin1Char('0')) + QLatin1Char('5');
        QApplication::clipboard()->setText(digits);
        auto& box = form.Get<QLineEdit>("Text1");
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text().size(), digits.size());
        form.Click("Command1");
        QCOMPARE(form.messages, QStringList());
        QCOMPARE(form.BoxText("Text11"), "1.93E+00");
        QVERIFY(box.maxLength() >= 1000000);
    }

    void messageBoxShowsItsTitleWithAPlainOk() {
        QWidget parent;
        parent.show();
        QString title;
        int width = 0;
        QList<QPushButton*> buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box) return;
            title = box->windowTitle();
            width = box->width();
            buttons = box->findChildren<QPushButton*>();
            for (QPushButton* button : buttons) QVERIFY(button->icon().isNull());
            if (!buttons.isEmpty()) buttons.front()->click();
        });
        ShowModalMessage(&parent,
                         QString::fromUtf8(message::kAvoZero.data(), message::kAvoZero.size()));
        QCOMPARE(title, "Amplificatore audio");
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.front()->text(), "OK");
        QFont titleFont = QApplication::font();
        titleFont.setBold(true);
        QVERIFY(width >= QFontMetrics(titleFont).horizontalAdvance(title) + 150);
    }
};

const test_support::RegisteredQtTest<WholeFiguresTest> kWholeFiguresTest;

}  // namespace amp::ui

#include "whole_figures_test.moc"
