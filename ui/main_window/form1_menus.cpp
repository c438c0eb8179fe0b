#include "ui/main_window/form1_menus.h"

#include <array>

#include "ui/main_window/main_window.h"

namespace amp::ui {
namespace {

using enum Form1Menu;
using enum MenuItemKind;
using Key = QKeySequence::StandardKey;

const auto kItems = std::to_array<Form1MenuItem>({
    {File, Command, "&Nuovo", Key::New, &MainWindow::OnNewChosen},
    {File, Command, "&Apri...", Key::Open, &MainWindow::OnOpenChosen},
    {File, RecentFiles, "Apri &recenti"},
    {File, Separator},
    {File, Command, "&Salva", Key::Save, &MainWindow::OnSaveChosen},
    {File, Command, "Salva con &nome...", Key::SaveAs, &MainWindow::OnSaveAsChosen},
    {File, Separator},
    {File, Command, "Esporta &distinta componenti...", Key::UnknownKey,
     &MainWindow::OnPartsListChosen},
    {File, Command, "Esporta netlist S&PICE...", Key::UnknownKey,
     &MainWindow::OnSpiceNetlistChosen},
    {File, Command, "Esporta &relazione PDF...", Key::UnknownKey, &MainWindow::OnReportPdfChosen},
    {File, Command, "Antepri&ma di stampa...", Key::UnknownKey, &MainWindow::OnPrintPreviewChosen},
    {File, Command, "S&tampa...", Key::Print, &MainWindow::OnPrintChosen},
    {File, Separator},
    {File, Command, "&Esci", Key::Quit, &MainWindow::OnExitChosen},
    {Edit, Undo, "&Annulla", Key::Undo},
    {Edit, Redo, "&Ripeti", Key::Redo},
    {Tools, Command, "&Valori commerciali...", Key::UnknownKey,
     &MainWindow::OnStandardValuesChosen},
    {Tools, Command, "Analisi delle &tolleranze...", Key::UnknownKey,
     &MainWindow::OnToleranceAnalysisChosen},
    {Tools, Command, "&Rumore e dinamica...", Key::UnknownKey, &MainWindow::OnNoiseAnalysisChosen},
    {Help, Command, "&Informazioni su Amplificatore audio", Key::UnknownKey,
     &MainWindow::OnAboutChosen},
    {Help, Command, "Informazioni su &Qt", Key::UnknownKey, &MainWindow::OnAboutQtChosen},
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

std::span<const Form1MenuItem> Form1MenuItems() {
    return kItems;
}

}  // namespace amp::ui
