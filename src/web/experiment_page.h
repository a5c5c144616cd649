#pragma once

#include "core/launch_options.h"
#include "steps/estimate.h"
#include "steps/recapture.h"

namespace ricattura {

// Draws «E se ripetessi l’esperimento?» below the window for the estimate shown in «Numero stimato».
void showRepetitions(const EstimateMade& made, RecaptureRule rule);
// Hides it again, for «Riparti» or a new exercise.
void hideRepetitions();

// Builds «Risultati della classe», closed, below the window: the teacher's board for a class code. Call it once.
void buildClassBoard(LakeCode code);

}  // namespace ricattura
