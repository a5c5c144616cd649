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
std::string strategyShort(const Strategy& strategy);     // "354 pesci marcati, 8 cale di ricattura", for a picture
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
// A lake with a trick: what happened to it after the marking, in plain words for the student, the question asked before
// step 6, and the names of its answers.
std::string trickEventText(Trick trick);
std::string predictionQuestion();
// What a screen reader hears when the question appears below the window.
std::string trickAskedText(Trick trick);
std::string predictionName(Prediction prediction);  // "troppo alta"
// What the trick did to this lake on average: the median of the student's strategy in the tricked lake more than a
// tenth above or below the true size, or within that.
Prediction trickEffect(const RepeatedExperiment& experiment);
// Whether the prediction held, with the numbers that show it.
std::string predictionText(Prediction prediction, const RepeatedExperiment& experiment);

// What a screen reader says when the section appears below the window, and how to reach it.
std::string sectionAppearedText();
// Why the two blocks part: the program's rule and a real lake, or the lake with its trick and without.
std::string differenceText(Trick trick);

}  // namespace ricattura
