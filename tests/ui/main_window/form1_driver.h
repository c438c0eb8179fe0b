#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <memory>

#include "ui/main_window/main_window.h"

namespace amp::ui::testing {

// Drives a shown Form1 as a user would: typing into its boxes and clicking its buttons, with
// every message recorded instead of shown.
class Form1Driver {
  public:
    explicit Form1Driver(const QLocale& locale = QLocale::c())
        : window_(std::make_unique<MainWindow>(
              [this](QWidget* parent, const QString& text) {
                  messages.append(text);
                  messageParents.append(parent);
              },
              locale)) {
        window_->show();
    }
    Form1Driver(const Form1Driver&) = delete;
    Form1Driver& operator=(const Form1Driver&) = delete;

    MainWindow& window() { return *window_; }

    template <class Control>
    Control& Get(const QString& name) const {
        auto* control = window_->findChild<Control*>(name);
        if (!control) qFatal("Form1 has no control %s", qPrintable(name));
        return *control;
    }

    void Type(const QString& box, const QString& text) {
        auto& edit = Get<QLineEdit>(box);
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QTest::keyClicks(&edit, text);
    }

    void Click(const QString& control) {
        QTest::mouseClick(&Get<QAbstractButton>(control), Qt::LeftButton);
    }

    QString BoxText(const QString& box) const { return Get<QLineEdit>(box).text(); }
    QString LabelText(const QString& label) const { return Get<QLabel>(label).text(); }

    // Everything an action may change: the 21 boxes, the four result labels and the range.
    QStringList Snapshot() const {
        QStringList state;
        for (int number = 1; number <= 21; ++number)
            state << BoxText(QStringLiteral("Text%1").arg(number));
        for (const char* label : {"Label40", "Label44", "Label47", "Label48"}) {
            state << LabelText(QString::fromLatin1(label));
        }
        state << QString::number(window_->SelectedRangeIndex().value_or(0));
        return state;
    }

    QStringList messages;
    QList<QWidget*> messageParents;

  private:
    std::unique_ptr<MainWindow> window_;
};

}  // namespace amp::ui::testing
