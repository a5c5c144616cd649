#pragma once

#include "experiment/repeated_experiment.h"

#include <string>

namespace ricattura {

// The words the page shows around the repeated experiment, every number in Italian notation, as the window writes it,
// and a non-breaking space before each «%». Sentences, not colons and brackets, which a screen reader reads aloud.

std::string verdictName(Verdict verdict);  // "molto accurata"
std::string verdictBand(Verdict verdict);  // its band of percentage error: "da 5 a meno di 10 %"
std::string variantName(Variant variant);  // "Il doppio dei pesci marcati"
// What a strategy actually ran, in the window's words: "354 pesci marcati e 8 cale di ricattura.", and what limited
// it: a catch too small to mark that many, a lake too small, a guard that stopped the hauls.
std::string strategyText(const StrategyOutcome& outcome, const RepeatedExperiment& experiment);
std::string strategyShort(const Strategy& strategy);  // "354 pesci marcati, 8 cale di ricattura", for a picture
std::string frequencyText(int count);                    // "144 su 1000"
std::string meanText(double value);                      // "7,9": to the tenth
std::string medianText(const StrategyOutcome& outcome);  // "50829", or "nessuna"
std::string middleText(const StrategyOutcome& outcome);  // "fra 34761 e 99151", or why there is none
std::string blockTitle(RecaptureRule rule);              // "Con le regole del programma"
std::string beyondText(int count, double end);           // "21 stime oltre 100000, fuori dal grafico"
// The opening paragraph, for a 12-year-old: what was repeated, the true size and the student's estimate, the
// median and the middle 95 % in words.
std::string summaryText(const RepeatedExperiment& experiment);
// How to read the bars.
std::string readingText();
// What a screen reader says when the section appears below the window, and how to reach it.
std::string sectionAppearedText();
// Why the program's rule and a real lake part, when both are shown.
std::string differenceText();

}  // namespace ricattura
