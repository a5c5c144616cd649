#pragma once

#include "control/exercise_controller.h"
#include "core/launch_options.h"

#include <optional>

namespace ricattura {

// Draws «E se ripetessi l’esperimento?» below the window for the exercise as it stands; call it
// after every click once step 7 has been reached.
void showRepetitions(const ExerciseController& controller);
// Hides it again, for «Riparti» or a new exercise.
void hideRepetitions();

// Builds «Risultati della classe», closed, below the window, when the page has a class code;
// call it once at start. Without a code it does nothing.
void buildClassBoard(std::optional<LakeCode> code);

}  // namespace ricattura
