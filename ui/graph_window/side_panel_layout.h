#pragma once

#include <array>
#include <span>

#include "ui/forms/form_control.h"

namespace amp::ui {

// Every control of a graph window's side panel, the same in all six windows, as designed.
std::span<const FormControl> SidePanelControls();

// The rows of the controls that the window reads, writes and connects.
struct SidePanelRows {
    // Option1 "Valori del  Modulo"; Option2 "Valori della Fase" is checked whenever it is not.
    ControlRow<ControlKind::OptionButton> modulusOption;
    // The read-out values: Label18, Label19 of the modulus mode, Label20, Label21 of the phase.
    ControlRow<ControlKind::Value> modulusFrequency, modulusValue, phaseFrequency, phaseValue;
    // The captions beside them, shown with their mode: Label22 ... Label24, Label25 ... Label28.
    std::array<ControlRow<ControlKind::Label>, 3> modulusCaptions;
    std::array<ControlRow<ControlKind::Label>, 4> phaseCaptions;
    // Command1 "Chiudi".
    ControlRow<ControlKind::CommandButton> close;
};
extern const SidePanelRows kSidePanelRows;

}  // namespace amp::ui
