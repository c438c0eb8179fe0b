#include "tests/ui/support/form1_driver.h"

#include <QAction>
#include <QTest>

#include "tests/support/reference_design.h"
#include "ui/qt_text.h"

namespace amp::ui::test_support {

Form1Driver::Form1Driver(const QLocale& locale) {
    ProgramDialogs dialogs{
        [this](QWidget* parent, const QString& text) {
            messages.append(text);
            messageParents.append(parent);
        },
        [this](QWidget*, const QString& text, const QStringList& buttons) {
            questions.append(text);
            return static_cast<int>(buttons.indexOf(answer));
        },
        [this](QWidget*, const QString&, const QString&, const QString&) { return openPath; },
        [this](QWidget*, const QString&, const QString& suggested, const QString&) {
            suggestedSavePaths.append(suggested);
            return savePath;
        },
        {[this] { return storedRecentFiles; },
         [this](const QStringList& paths) { storedRecentFiles = paths; }},
    };
    calculator_ = std::make_unique<Calculator>(std::move(dialogs), locale);
    Form1().show();
}

void Form1Driver::ChooseMenuItem(const QString& text) {
    for (QAction* action : Form1().findChildren<QAction*>()) {
        if (action->text().remove(QLatin1Char('&')) == text) {
            action->trigger();
            return;
        }
    }
    qFatal("Form1 has no menu item %s", qPrintable(text));
}

QWidget& Form1Driver::Find(const QString& name, const QMetaObject& type) const {
    auto* control = Form1().findChild<QWidget*>(name);
    if (!control || !type.cast(control)) {
        qFatal("Form1 has no %s named %s", type.className(), qPrintable(name));
    }
    return *control;
}

void Form1Driver::Type(const QString& box, const QString& text) {
    auto& edit = Get<QLineEdit>(box);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClicks(&edit, text);
}

void Form1Driver::TypeReferenceSet() {
    const FieldTexts texts = amp::test_support::ReferenceTexts();
    for (int number = 1; number <= kFieldCount; ++number) {
        const std::string& text = texts[FieldOfTextBox(number)];
        if (!text.empty()) Type(QStringLiteral("Text%1").arg(number), ToQString(text));
    }
}

void Form1Driver::Click(const QString& control) {
    QTest::mouseClick(&Get<QAbstractButton>(control), Qt::LeftButton);
}

QString Form1Driver::BoxText(const QString& box) const {
    return Get<QLineEdit>(box).text();
}

QString Form1Driver::LabelText(const QString& label) const {
    return Get<QLabel>(label).text();
}

QStringList Form1Driver::Snapshot() const {
    QStringList state;
    for (int number = 1; number <= kFieldCount; ++number) {
        state << BoxText(QStringLiteral("Text%1").arg(number));
    }
    for (const char* label : {"Label40", "Label44", "Label47", "Label48"}) {
        state << LabelText(QString::fromLatin1(label));
    }
    state << QString::number(Form1().SelectedRangeIndex().value_or(0));
    return state;
}

}  // namespace amp::ui::test_support
