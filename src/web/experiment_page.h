#pragma once

#include "control/exercise_controller.h"
#include "core/launch_options.h"

#include <optional>
#include <string>
#include "steps/estimate.h"
#include "steps/recapture.h"

namespace ricattura {

// Draws «E se ripetessi l’esperimento?» below the window for the estimate shown in «Numero stimato»; with a trick, says
// whether the student's prediction held.
void showRepetitions(const EstimateMade& made, RecaptureRule rule, const std::optional<Prediction>& prediction);
// Hides it again, for «Riparti» or a new exercise.
void hideRepetitions();

// The student's result after the comparison: the code to send, the printed sheet, the data to save. Wire its buttons
// once; show it after the repeated experiment, which the sheet takes its picture from.
void buildResult();
void showResult(const ExerciseController& exercise, const ExerciseSettings& settings);
void hideResult();
void saveStudentData(const ExerciseController& exercise, const ExerciseSettings& settings);

// A lake with a trick: the section that says what happened and asks the student's prediction, made once; shown from
// the release of the marked fish to the end of the exercise. True when it has just appeared.
void buildTrick(Trick trick);
bool showTrick(const ExerciseController& exercise, bool released);

// Builds «Risultati della classe», closed, below the window: the teacher's board for a class code, with the students'
// address. Call it once.
void buildClassBoard(const ExerciseSettings& settings);

}  // namespace ricattura
