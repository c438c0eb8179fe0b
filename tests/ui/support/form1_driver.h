#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>

#include "ui/calculator.h"

namespace amp::ui::test_support {

// Drives the program's windows as a user would: typing into Form1's boxes and clicking its
// buttons, with every message and question recorded instead of shown, and the file dialogs
// answered with the paths set beforehand. Form1 is shown on construction.
class Form1Driver {
  public:
    explicit Form1Driver(const QLocale& locale = QLocale::c());
    Form1Driver(const Form1Driver&) = delete;
    Form1Driver& operator=(const Form1Driver&) = delete;

    MainWindow& Form1() const { return calculator_->Form1(); }
    Calculator& Program() { return *calculator_; }
    // The graph window of range 1 ... 6 while it exists.
    GraphWindow* Window(int range) { return calculator_->GraphWindows().Window(range); }

    template <class Control>
    Control& Get(const QString& name) const {
        return static_cast<Control&>(Find(name, Control::staticMetaObject));
    }

    // Replaces the box's text by typing: select all, delete, then the keys of the text.
    void Type(const QString& box, const QString& text);
    // Types every text of the reference component set into its box.
    void TypeReferenceSet();
    void Click(const QString& control);

    QString BoxText(const QString& box) const;
    QString LabelText(const QString& label) const;

    // Everything an action of Form1 may change: the 21 boxes, the four result labels and the
    // range.
    QStringList Snapshot() const;

    // Triggers the menu item of that text, mnemonics left out ("Salva con nome...").
    void ChooseMenuItem(const QString& text);

    QStringList messages;
    QList<QWidget*> messageParents;
    // Every question asked, and the caption of the button each is answered with: "Non salvare" of
    // the save prompt unless a test says otherwise. A caption the question lacks closes its box.
    QStringList questions;
    QString answer = QStringLiteral("Non salvare");
    // What the open and save dialogs answer; empty: cancelled. The paths the save dialog
    // suggested.
    QString openPath;
    QString savePath;
    QStringList suggestedSavePaths;
    // The recent files, as the settings would keep them.
    QStringList storedRecentFiles;

  private:
    QWidget& Find(const QString& name, const QMetaObject& type) const;

    std::unique_ptr<Calculator> calculator_;
};

}  // namespace amp::ui::test_support
