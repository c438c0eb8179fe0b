#include "core/spice/spice_netlist.h"

#include <initializer_list>
#include <numbers>
#include <string>
#include <variant>

#include "core/checks/messages.h"
#include "core/noise/noise_analysis.h"
#include "core/spice/spice_text.h"

namespace amp {
namespace {

// The design's noise settings; without them the noise window's defaults with a noiseless
// op-amp.
NoiseSettings NoiseOf(const SpiceDesign& design) {
    if (design.noise) return *design.noise;
    NoiseSettings defaults = std::get<NoiseSettings>(ReadNoiseSettings(DefaultNoiseTexts()));
    defaults.en = 0.0;
    defaults.in = 0.0;
    return defaults;
}

// The op-amp's subcircuit name, in XU1's and XU2's lines and its definition.
constexpr std::string_view kOpAmpModel = "opamp_1polo";

// A line per part: name, nodes, value.
struct PartLine {
    std::string_view name;
    std::string_view nodes;
    double CircuitValues::*value;
};

void AppendParts(std::string& netlist, const CircuitValues& values,
                 std::initializer_list<PartLine> parts) {
    for (const PartLine& part : parts) {
        netlist.append(part.name).append(" ").append(part.nodes).append(" ");
        netlist.append(SpiceNumber(values.*(part.value))).append("\n");
    }
}

// The usual five pins: + input, - input, + supply, - supply, output.
void AppendOpAmp(std::string& netlist, std::string_view name, std::string_view plus,
                 std::string_view minus, std::string_view output) {
    netlist.append(name).append(" ").append(plus).append(" ").append(minus);
    netlist.append(" vcc vee ").append(output).append(" ").append(kOpAmpModel).append("\n");
}

// The program's own lines, in Italian like its windows, ASCII only: accents become apostrophes.
void AppendHeader(std::string& netlist, const SpiceDesign& design) {
    const std::string program = std::string(kApplicationTitle) + " " + design.programVersion;
    const std::string name = "\"" + AsciiText(design.name) + "\"";
    netlist += program + ": progetto " + name + "\n";
    netlist += "* Netlist SPICE dell'amplificatore a due stadi del progetto " + name + ",\n";
    netlist += "* scritta da " + program + ". Valori in unita' SI.\n";
    netlist += R"(*
* Uso: ngspice progetto.cir (questo file) esegue le analisi e traccia |Vo/Vi| e la
* fase in gradi; ngspice -b progetto.cir le esegue e ne stampa i risultati.
*
* U1 e U2 sono lo stesso operazionale: un modello a un polo con Avo e fc del
* progetto, guadagno Avo / (1 + j f Avo / fc) e uscita ideale, con rumore bianco
* en e in. Per simulare l'operazionale vero va sostituito con il modello del
* costruttore: .include del suo file e il suo nome al posto di )";
    netlist.append(kOpAmpModel).append(R"(
* nelle righe XU1 e XU2 (piedini: ingresso +, ingresso -, alimentazione +,
* alimentazione -, uscita).
)");
}

void AppendCircuit(std::string& netlist, const CircuitValues& v, const NoiseSettings& noise) {
    netlist += R"(
* Temperatura del circuito in gradi Celsius: il rumore termico delle resistenze
* e quello di en e in nel modello dell'operazionale.
)";
    netlist += ".param temperature=" + SpiceNumber(noise.temperature) + "\n";
    netlist += ".temp {temperature}\n";

    netlist += "\n* Ingresso: Vi di ampiezza AC 1, quindi v(out) e' Vo/Vi.\n";
    netlist += "Vi in 0 dc 0 ac 1\n";
    netlist += "\n* Rete d'ingresso e inseguitore U1\n";
    AppendParts(netlist, v,
                {{"C1", "in a", &CircuitValues::C1},
                 {"R1", "a 0", &CircuitValues::R1},
                 {"R2", "a b", &CircuitValues::R2},
                 {"C2", "b 0", &CircuitValues::C2},
                 {"R_in", "b 0", &CircuitValues::R}});
    AppendOpAmp(netlist, "XU1", "b", "vo1", "vo1");
    netlist += "\n* Rete di accoppiamento\n";
    AppendParts(netlist, v,
                {{"C3", "vo1 c", &CircuitValues::C3},
                 {"R3", "c d", &CircuitValues::R3},
                 {"R_cpl", "d 0", &CircuitValues::R}});
    netlist += "\n* Stadio non invertente U2: R4 e C4 in controreazione, R5 e C5 verso massa\n";
    AppendOpAmp(netlist, "XU2", "d", "m", "o2");
    AppendParts(netlist, v,
                {{"R4", "o2 m", &CircuitValues::R4},
                 {"C4", "o2 m", &CircuitValues::C4},
                 {"R5", "m e", &CircuitValues::R5},
                 {"C5", "e 0", &CircuitValues::C5}});
    netlist += "\n* Uscita: C6 sul carico RL\n";
    AppendParts(netlist, v,
                {{"C6", "o2 out", &CircuitValues::C6}, {"RL", "out 0", &CircuitValues::RL}});

    netlist += "\n* Alimentazioni: il modello a un polo non le usa, quello del costruttore si'.\n";
    netlist += "Vcc vcc 0 dc " + SpiceNumber(noise.supply) + "\n";
    netlist += "Vee vee 0 dc " + SpiceNumber(-noise.supply) + "\n";
}

// One pole from a transconductance of 1 S into Avo ohm parallel to 1 / (2 pi fc) farad, which
// gives Avo / (1 + j f Avo / fc), buffered by an ideal source. en and in come from resistors'
// thermal noise at the circuit's temperature: one that carries no current, or one shorted by a
// 0 V source, adds its noise and nothing else. With en or in zero that resistor is a noiseless
// 1 ohm, so the netlist stays valid.
void AppendOpAmpModel(std::string& netlist, const CircuitValues& v, const NoiseSettings& noise) {
    netlist += R"(
* Operazionale a un polo. en: rumore termico di una resistenza en^2/(4kT) in
* serie all'ingresso +, che nessuna corrente attraversa. in: corrente di rumore di
* una resistenza 4kT/in^2 chiusa su una sorgente da 0 V, ricopiata in ciascun
* ingresso; le due correnti sono indipendenti. Le altre resistenze sono senza
* rumore (noisy=0).
)";
    netlist.append(".subckt ").append(kOpAmpModel).append(" inp inm vcc vee out params:");
    netlist += " Avo=" + SpiceNumber(v.Avo) + " fc=" + SpiceNumber(v.fc);
    netlist += " en=" + SpiceNumber(noise.en) + " in=" + SpiceNumber(noise.in) + "\n";
    netlist += ".param fourkt={4*" + SpiceNumber(kBoltzmann) + "*(temperature+" +
               SpiceNumber(kZeroCelsius) + ")}\n";
    netlist += "Ren inp inp_en {en > 0 ? en*en/fourkt : 1} noisy={en > 0}\n";
    netlist += "Gpolo 0 polo inp_en inm 1\n";
    netlist += "Rpolo polo 0 {Avo} noisy=0\n";
    netlist += "Cpolo polo 0 {1/(" + SpiceNumber(2.0 * std::numbers::pi) + "*fc)}\n";
    netlist += "Eout out 0 polo 0 1\n";
    for (const std::string input : {"p", "m"}) {
        netlist +=
            "Rin" + input + " nin" + input + " 0 {in > 0 ? fourkt/(in*in) : 1} noisy={in > 0}\n";
        netlist += "Vin" + input + " nin" + input + " 0 0\n";
        netlist += "Fin" + input + " in" + input + " 0 Vin" + input + " 1\n";
    }
    netlist.append(".ends ").append(kOpAmpModel).append("\n");
}

// Batch mode runs the dot analyses when something prints their results; interactively only the
// control block runs, so it runs them itself. `run` leaves the integrated noise current, two
// plots after the AC analysis.
void AppendAnalyses(std::string& netlist, const NoiseSettings& noise) {
    netlist += R"(
* Analisi: Vo/Vi da 1 Hz a 1 MHz, 200 punti per decade; rumore in v(out), riferito
* anche all'ingresso Vi, sulla banda del progetto in hertz, con il contributo di
* ogni sorgente. Il totale (onoise_total) va da f1 all'ultimo punto della griglia,
* 200 per decade da f1: f2 se la banda copre un numero intero di passi (come
* 20 Hz - 20 kHz), altrimenti fino a un passo sotto f2 o appena sopra.
.ac dec 200 1 1Meg
)";
    // The program integrates the band on these very samples.
    netlist += ".noise v(out) Vi dec " + std::to_string(kNoiseBandSamplesPerDecade) + " " +
               SpiceNumber(noise.bandLow) + " " + SpiceNumber(noise.bandHigh) + " 1\n";
    netlist += R"(.print ac vm(out) vp(out)
.print noise all

* Fasi in gradi. In modo interattivo il blocco esegue le analisi e traccia |Vo/Vi|
* e la fase su un asse logaritmico delle frequenze.
.control
set units=degrees
if not $?batchmode
  run
  setplot previous
  setplot previous
  plot mag(v(out)/v(in)) xlog xlabel 'f [Hz]' ylabel '|Vo/Vi|' title '|Vo/Vi|'
  plot ph(v(out)/v(in)) xlog xlabel 'f [Hz]' ylabel 'Fase [gradi]' title 'Fase di Vo/Vi'
end
.endc
)";
}

}  // namespace

std::string SpiceNetlist(const SpiceDesign& design) {
    const NoiseSettings noise = NoiseOf(design);
    std::string netlist;
    AppendHeader(netlist, design);
    AppendCircuit(netlist, design.values, noise);
    AppendOpAmpModel(netlist, design.values, noise);
    AppendAnalyses(netlist, noise);
    netlist += "\n.end\n";
    return netlist;
}

}  // namespace amp
