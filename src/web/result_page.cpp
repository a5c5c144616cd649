// The student's result below the window and on paper: the core writes the code, the sheet and the data file; the
// script shows, prints and saves them.
#include "experiment_page.h"
#include "page_script.h"
#include "results/data_files.h"
#include "results/result_sheet.h"

namespace ricattura {

namespace {

constexpr const char* kSendIt =
    "Manda questo codice all’insegnante, come ti dice. Con il codice l’insegnante rifà il tuo esercizio sullo stesso "
    "lago e vede la tua stima.";

}  // namespace

void buildResult() {
    jsShowSection("result");  // made from its template, hidden until there is a result
    jsHideSection("result");
    jsResultButtons("Codice copiato. Ora puoi incollarlo dove ti dice l’insegnante.",
                    "Il codice è selezionato. Copialo con Ctrl e C, o con il menu del browser.");
}

void showResult(const ExerciseController& exercise, const ExerciseSettings& settings) {
    const EstimateMade& made = *exercise.estimateShown();
    const CodeReading code = resultCodeOf(made, settings);
    jsShowSection("result");
    jsShowResult(code.code ? writeResultCode(*code.code).c_str() : "", code.code ? kSendIt : code.why.c_str());
    jsSheetClear();
    for (const SheetLine& line : resultSheet(made, exercise.lake(), settings, code))
        jsSheetLine(line.label.c_str(), line.value.c_str());
    jsSheetRepetitions();
}

void hideResult() {
    jsHideSection("result");
    jsSheetNone();
}

void saveStudentData(const ExerciseController& exercise, const ExerciseSettings& settings) {
    const std::string name =
        "ricattura" + (settings.code ? "-lago-" + std::to_string(*settings.code) : std::string()) + ".csv";
    jsDownload(name.c_str(), studentFile(exercise.hauls(),
                                         exercise.compared() ? exercise.estimateShown() : std::nullopt, exercise.rule())
                                 .c_str());
}

}  // namespace ricattura
