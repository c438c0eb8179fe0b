#include "ui/main_window/form1_menus.h"

#include <array>

#include "ui/main_window/main_window.h"

namespace amp::ui {
namespace {

using enum Form1Menu;
using enum MenuItemKind;
using Key = QKeySequence::StandardKey;

const auto kItems = std::to_array<Form1MenuItem>({
    {File, Command, "&Nuovo", {Key::New, Qt::CTRL | Qt::Key_N}, &MainWindow::OnNewChosen},
    {File, Command, "&Apri...", {Key::Open, Qt::CTRL | Qt::Key_O}, &MainWindow::OnOpenChosen},
    {File, RecentFiles, "Apri &recenti"},
    {File, Separator},
    {File, Command, "&Salva", {Key::Save, Qt::CTRL | Qt::Key_S}, &MainWindow::OnSaveChosen},
    {File,
     Command,
     "Salva con &nome...",
     {Key::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
     &MainWindow::OnSaveAsChosen},
    {File, Separator},
    {File, Command, "Esporta &distinta componenti...", {}, &MainWindow::OnPartsListChosen},
    {File, Command, "Esporta netlist S&PICE...", {}, &MainWindow::OnSpiceNetlistChosen},
    {File, Command, "Esporta &relazione PDF...", {}, &MainWindow::OnReportPdfChosen},
    {File, Command, "Antepri&ma di stampa...", {}, &MainWindow::OnPrintPreviewChosen},
    {File, Command, "S&tampa...", {Key::Print, Qt::CTRL | Qt::Key_P}, &MainWindow::OnPrintChosen},
    {File, Separator},
    {File, Command, "&Esci", {Key::Quit, Qt::CTRL | Qt::Key_Q}, &MainWindow::OnExitChosen},
    {Edit, Undo, "&Annulla", {Key::Undo, Qt::CTRL | Qt::Key_Z}},
    {Edit, Redo, "&Ripeti", {Key::Redo, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}},
    {Tools, Command, "&Valori commerciali...", {}, &MainWindow::OnStandardValuesChosen},
    {Tools, Command, "Analisi delle &tolleranze...", {}, &MainWindow::OnToleranceAnalysisChosen},
    {Tools, Command, "&Rumore e dinamica...", {}, &MainWindow::OnNoiseAnalysisChosen},
    {Help, Command, "&Informazioni su Amplificatore audio", {}, &MainWindow::OnAboutChosen},
    {Help, Command, "Informazioni su &Qt", {}, &MainWindow::OnAboutQtChosen},
});

}  // namespace

std::string_view MenuTitle(Form1Menu menu) {
    switch (menu) {
        case File:
            return "&File";
        case Edit:
            return "&Modifica";
        case Tools:
            return "&Strumenti";
        case Help:
            return "&?";
    }
    return {};
}

QList<QKeySequence> ShortcutKeys(const MenuShortcut& shortcut) {
    if (shortcut.standard == QKeySequence::UnknownKey) return {};
    QList<QKeySequence> keys = QKeySequence::keyBindings(shortcut.standard);
    if (keys.isEmpty()) keys.append(QKeySequence(shortcut.usual));
    return keys;
}

std::span<const Form1MenuItem> Form1MenuItems() {
    return kItems;
}

}  // namespace amp::ui
