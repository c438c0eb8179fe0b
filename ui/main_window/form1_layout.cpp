#include "ui/main_window/form1_layout.h"

#include <array>

#include "generated/version.h"

namespace amp::ui {
namespace {

using enum ControlKind;
using enum ControlLook;

constexpr auto kControls = std::to_array<FormControl>({
    {Picture, "Picture1", "", 120, 330, 11475, 4020},
    {Label, "Label1",
     "Dati: fi; fs; Ri; R2;  R; Avcb; R3; R5; RL.   Determinare: R1; R4; C1; C2; C3; C5; C4; CL",
     360, 120, 7935, 255},

    // Design data, right of the schematic.
    {Label, "Label2", "fi", 12120, 480, 240, 255},
    {TextBox, "Text1", "5", 12360, 465, 1200, 285, 1},
    {Label, "Label3", "[Hz]", 13680, 465, 900, 285},
    {Label, "Label6", "fs", 12120, 840, 240, 285},
    {TextBox, "Text2", "20000", 12360, 840, 1215, 285, 2},
    {Label, "Label4", "[Hz]", 13680, 840, 900, 285},
    {Label, "Label7", "Ri", 12000, 1200, 360, 285},
    {TextBox, "Text3", "", 12360, 1200, 1215, 285, 15},
    {Label, "Label5", "[kohm]", 13680, 1200, 900, 285},
    {Label, "Label9", "R2", 12000, 1560, 360, 285},
    {TextBox, "Text5", "", 12360, 1560, 1215, 285, 4},
    {Label, "Label11", "[kohm]", 13680, 1560, 900, 285},
    {Label, "Label12", "R", 12000, 1920, 360, 285},
    {TextBox, "Text6", "", 12360, 1920, 1215, 285, 29},
    {Label, "Label10", "[kohm]", 13680, 1920, 900, 285},
    {Label, "Label8", "Avcb", 11760, 2280, 600, 285},
    {TextBox, "Text4", "", 12360, 2280, 1215, 285, 3},
    {Label, "Label32", "R3", 12000, 2640, 360, 285},
    {TextBox, "Text7", "", 12360, 2640, 1215, 285, 32},
    {Label, "Label31", "[kohm]", 13680, 2640, 900, 285},
    {Label, "Label34", "R5", 12000, 3000, 360, 285},
    {TextBox, "Text8", "", 12360, 3000, 1215, 285, 35},
    {Label, "Label33", "[kohm]", 13680, 3000, 900, 285},
    {Label, "Label36", "RL", 12000, 3360, 360, 285},
    {TextBox, "Text9", "", 12360, 3360, 1215, 285, 38},
    {Label, "Label35", "[kohm]", 13680, 3360, 900, 285},

    {CommandButton, "Command6", "Inserisci dati come esempio", 12120, 3780, 2625, 345, 79,
     AlarmButton},
    {CommandButton, "Command1", "Dimensiona componenti", 12240, 4230, 2415, 375, 14},
    {CommandButton, "Command2", "Azzera", 12540, 4710, 1335, 375, 16},
    {CommandButton, "Command3", "Esci", 12540, 5190, 1335, 375, 17},

    {Label, "Label26",
     "Ri = resistenza di ingresso dell'amplificatore audio, vista dal generatore Vi.  Avcb = "
     "guadagno in centro banda dell'amplificatore audio.  Avo = guadagno a catena aperta degli "
     "amplificatori operazionali. fc = frequenza di crossover degli amplificatori operazionali.",
     90, 4380, 9375, 435, 0, WindowFont},
    {Label, "Label53",
     "I risultati qui sotto funzionano anche come dati per il calcolo del grafico e per la fi e "
     "fs effettive e sono modificabili dall'utente",
     90, 4860, 9435, 345, 0, WindowFont},

    // Sized components and op-amp data, below the schematic.
    {Label, "Label19", "R1", 90, 5250, 360, 285},
    {TextBox, "Text10", "", 450, 5250, 1815, 285, 41},
    {Label, "Label25", "[kohm]", 2310, 5280, 660, 255},
    {Label, "Label20", "C1", 2970, 5250, 360, 285},
    {TextBox, "Text11", "", 3330, 5250, 1815, 285, 42},
    {Label, "Label27", "[uF]", 5250, 5250, 600, 285},
    {Label, "Label21", "C2", 5970, 5250, 360, 285},
    {TextBox, "Text12", "", 6330, 5250, 1815, 285, 43},
    {Label, "Label28", "[pF]", 8250, 5250, 600, 285},

    {Label, "Label24", "C3", 90, 5610, 360, 285},
    {TextBox, "Text13", "", 450, 5610, 1815, 285, 44},
    {Label, "Label30", "[uF]", 2370, 5610, 600, 285},
    {Label, "Label22", "C4", 2970, 5610, 360, 285},
    {TextBox, "Text14", "", 3330, 5610, 1815, 285, 45},
    {Label, "Label29", "[pF]", 5250, 5610, 600, 285},
    {Label, "Label37", "R4", 6000, 5640, 360, 285},
    {TextBox, "Text19", "", 6360, 5640, 1815, 285, 59},
    {Label, "Label38", "[kohm]", 8160, 5640, 720, 285},

    {Label, "Label13", "C5", 90, 5970, 360, 285},
    {TextBox, "Text15", "", 450, 5970, 1815, 285, 47},
    {Label, "Label14", "[uF]", 2370, 5970, 600, 285},
    {Label, "Label15", "C6", 2970, 5970, 360, 285},
    {TextBox, "Text16", "", 3330, 5970, 1815, 285, 50},
    {Label, "Label16", "[uF]", 5250, 5970, 600, 285},
    {Label, "Label18", "Avo", 5880, 5970, 480, 285},
    {TextBox, "Text17", "200000", 6360, 5970, 1815, 285, 52},

    {Label, "Label23", "fc", 90, 6330, 360, 285},
    {TextBox, "Text18", "3", 450, 6330, 1815, 285, 54},
    {Label, "Label17", "[MHz]", 2370, 6330, 660, 285},

    // Evaluation at f and its results.
    {Label, "Label41", "f", 9360, 5460, 240, 285},
    {TextBox, "Text21", "5000", 9600, 5460, 1815, 285, 66},
    {Label, "Label42", "[Hz]", 11520, 5460, 540, 285},
    {CommandButton, "Command5", "Calcola Modulo e Fase, fi e fs effettive", 9630, 5970, 1935, 495,
     64},
    {Label, "Label43", "|Vo/Vi|", 11880, 5820, 720, 255, 0, RightAligned},
    {Value, "Label40", "", 12660, 5820, 1815, 255, 0, ResultValue, "Modulo di Vo/Vi"},
    {Label, "Label45", "Fase", 11880, 6180, 720, 255, 0, RightAligned},
    {Value, "Label44", "", 12660, 6180, 1815, 255, 0, ResultValue, "Fase di Vo/Vi [°]"},
    {Label, "Label46", "[°]", 14520, 6180, 390, 255},
    {Label, "Label49", "fi effettiva", 7860, 6690, 1125, 285, 0, RightAligned},
    {Value, "Label47", "", 9030, 6690, 1815, 285, 0, ResultValue, "fi effettiva [Hz]"},
    {Label, "Label51", "[Hz]", 10890, 6690, 480, 285},
    {Label, "Label50", "fs effettiva", 11430, 6660, 1020, 285, 0, RightAligned},
    {Value, "Label48", "", 12480, 6660, 1845, 285, 0, ResultValue, "fs effettiva [Hz]"},
    {Label, "Label52", "[Hz]", 14370, 6660, 540, 285},

    // Graph request, its ranges and the sample count.
    {CommandButton, "Command4", "Grafico di Vo/Vi", 90, 6720, 1695, 615, 58},
    {OptionButton, "Option2", "1Hz - 10 Hz", 1860, 6690, 1395, 285, 73},
    {OptionButton, "Option3", "1Hz - 100 Hz", 1860, 7020, 1575, 255, 74},
    {OptionButton, "Option4", "1Hz - 1kHz", 1860, 7320, 1545, 255, 75},
    {OptionButton, "Option5", "1Hz - 10 kHz", 3480, 6690, 1605, 255, 76},
    {OptionButton, "Option6", "1Hz - 100 kHz", 3480, 6990, 1725, 285, 77},
    {OptionButton, "Option7", "1Hz - 1MHz", 3480, 7320, 1485, 225, 78},
    {Label, "Label39", "N", 5340, 6720, 240, 255},
    {TextBox, "Text20", "1000", 5580, 6660, 975, 285, 62},
    {Label, "Label54", "N° campioni", 6600, 6720, 1185, 255},

    {Label, "Label55", "Amplificatore audio " AMP_SHORT_VERSION, 12720, 7140, 1815, 375, 0,
     Credits},
});

}  // namespace

std::span<const FormControl> Form1Controls() {
    return kControls;
}

constinit const Form1Rows kForm1Rows{
    NumberedRows<TextBox, kFieldCount>(kControls, "Text", 1),
    NumberedRows<OptionButton, kRangeCount>(kControls, "Option", 2),
    RowNamed<Value>(kControls, "Label40"),
    RowNamed<Value>(kControls, "Label44"),
    RowNamed<Value>(kControls, "Label47"),
    RowNamed<Value>(kControls, "Label48"),
    RowNamed<CommandButton>(kControls, "Command1"),
    RowNamed<CommandButton>(kControls, "Command2"),
    RowNamed<CommandButton>(kControls, "Command3"),
    RowNamed<CommandButton>(kControls, "Command4"),
    RowNamed<CommandButton>(kControls, "Command5"),
    RowNamed<CommandButton>(kControls, "Command6"),
};

}  // namespace amp::ui
