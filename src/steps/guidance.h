#pragma once

#include "core/number_text.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

namespace ricattura::guidance {

// Every word the steps write into the instructions, in one place, in the order a student meets them.

inline constexpr std::string_view kIntro =
    "Per iniziare la simulazione clicca sul bottone in alto a sinistra. "
    "Sarà creato un lago ideale e, dentro di esso, una popolazione di pesci. ";

// Step 1: "Il lago ha una superficie di 40 ettari, …" around the lake's three numbers, then the next step.
inline constexpr std::array<std::string_view, 4> kLakeParts = {
    "Il lago ha una superficie di ", " ettari, con una produzione media di ",
    " kg per ettaro della specie in esame, che ha una taglia media di ", " grammi."};
inline constexpr std::string_view kLakeNext =
    "Clicca sul bottone 2 per effettuare una cala e catturare degli individui.";

inline constexpr std::string_view kCaptureMore =
    "Puoi effettuare più cale cliccando ancora sul bottone 2, finchè non ritieni di aver catturato abbastanza "
    "individui.";
inline constexpr std::string_view kCaptureThenMark =
    "Quando ritieni di aver catturato abbastanza individui, puoi modificare il numero di individui da marcare e "
    "procedere a marcarli cliccando il bottone 3.";

// Step 3: "Una volta marcati 300 individui, …".
inline constexpr std::array<std::string_view, 2> kMarkedParts = {
    "Una volta marcati ", " individui, puoi procedere a riimetterli nel lago cliccando sul bottone 4."};

inline constexpr std::string_view kReleased =
    "Trascorso un tempo sufficiente a disperdere gli individui marcati, puoi procedere alle ricatture cliccando sul "
    "bottone 5.";

inline constexpr std::string_view kRecaptureMore =
    "Anche in questo caso puoi effettuare più cale cliccando ancora sul bottone 5.";
inline constexpr std::string_view kRecaptureHow =
    "puoi ottenere una stima del numero totale presente nel lago sapendo che il rapporto fra marcati e totale è "
    "teoricamente uguale a quello fra i ricatturati marcati ed il totale dei ricatturati.";
inline constexpr std::string_view kRecaptureThenEstimate = "Per effettuare questo calcolo clicca sul bottone 6.";

inline constexpr std::string_view kEstimatedAs = "Il numero totale di individui è stato stimato come:";
inline constexpr std::string_view kFormula = "n x M / m";
inline constexpr std::string_view kFormulaTerms =
    "dove n sono i ricatturati, M il totale dei marcati ed m i ricatturati marcati.";
inline constexpr std::string_view kEstimateThenCompare = "Se vuoi conoscere il valore reale, clicca sul bottone 7.";

// Step 6 with no marked fish among the recaptured: the estimator has no value.
inline constexpr std::string_view kNoMarkedYet =
    "Tra i pesci ricatturati non ci sono ancora individui marcati, quindi la stima non si può calcolare.";
inline constexpr std::string_view kNoEstimateNext =
    "Effettua altre cale cliccando sul bottone 5, oppure clicca su Riparti per ricominciare.";

// Step 7, from the best verdict down.
inline constexpr std::array<std::string_view, 5> kVerdicts = {
    "Complimenti! E' una stima molto accurata.",
    "Non male! La stima ottenuta è accurata.",
    "La stima è abbastanza accurata, ma si può fare meglio.",
    "La stima è non è molto accurata, riprova con qualche variazione nella strategia.",
    "Non ci siamo. Riprova marcando piu' individui o ricatturandone un numero maggiore.",
};

// Lines joined by the exercise's line break; an empty line stands for a blank one.
inline std::string lines(std::initializer_list<std::string_view> parts) {
    std::string text;
    bool first = true;
    for (std::string_view part : parts) {
        if (!first) text += kCrLf;
        text += part;
        first = false;
    }
    return text;
}

}  // namespace ricattura::guidance
