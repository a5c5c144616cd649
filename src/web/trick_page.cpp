// The page's lake with a trick: what happened after the marking, and the student's prediction before step 6.
#include "experiment/experiment_words.h"
#include "experiment_page.h"
#include "page_script.h"

namespace ricattura {

void buildTrick(Trick trick) {
    if (trick == Trick::None) return;
    jsShowSection("trick");  // made from its template, hidden until the marked fish are back in the lake
    jsHideSection("trick");
    jsTrickQuestion(trickEventText(trick).c_str(), predictionQuestion().c_str());
}

bool showTrick(const ExerciseController& exercise, bool released) {
    const std::optional<Prediction>& prediction = exercise.prediction();
    if (!exercise.awaitingPrediction() && !prediction) {
        jsHideSection("trick");
        return false;
    }
    jsShowSection("trick");
    jsTrickAnswer(prediction ? ("La tua previsione è che la stima sarà " + predictionName(*prediction) + ".").c_str()
                             : "");
    return released && exercise.awaitingPrediction();
}

}  // namespace ricattura
