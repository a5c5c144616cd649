// Lets the browser test catch a page that strays from the native core: prints the title, colours and layout, then
// what the window shows at start and after each action. Arguments: the page's query ("lago=4242&insegnante"), then
// the actions: "cN" clicks CommandN (N a digit), "tTEXT" types TEXT into Text3, "kKEY" presses a key there (which the
// core never sees but Enter), "pN" answers a trick's question with Prediction N, and last "bTEXT", what the teacher
// types on the class board.
// One record a line, "tag<TAB>field<TAB>...": records end in a bare LF, the core's own line breaks are CRLF.
// A "shown" record holds the ten texts, the nine buttons, the last words spoken and the focused control; after the
// series come the repeated experiment's section and the class board.
#include "control/exercise_controller.h"
#include "core/seeded_random_source.h"
#include "core/launch_options.h"
#include "doubles.h"
#include "experiment/class_board.h"
#include "experiment/experiment_words.h"
#include "experiment/repeated_experiment.h"
#include "results/class_results.h"
#include "results/data_files.h"

#include <cstdio>
#include <regex>

using namespace ricattura;

static void printRect(const char* name, const PixelRect& r) {
    std::printf("rect\t%s %d %d %d %d\n", name, r.left, r.top, r.width, r.height);
}

static void printShown(const testing::FakeView& view, const std::string& focus) {
    std::printf("shown");
    for (const auto& text : view.texts) std::printf("\t%s", text.c_str());
    for (bool on : view.enabled) std::printf("\t%d", on);
    std::printf("\t%s\t%s\n", view.announced.c_str(), focus.c_str());
}

// The page's query read as the page reads it.
static PageAddress addressOf(const std::string& query) {
    return readPageAddress([padded = "&" + query + "&"](std::string_view name) -> std::optional<std::string> {
        std::smatch found;
        if (!std::regex_search(padded, found, std::regex("&" + std::string(name) + "(=([^&]*))?&")))
            return std::nullopt;
        return found[2].str();
    });
}

// The section «E se ripetessi l'esperimento?» as the page writes it: its paragraphs, each block's title, and each
// table row's cells, headings first.
static void printRepetitions(const EstimateMade& made, RecaptureRule rule,
                             const std::optional<Prediction>& prediction) {
    const RepeatedExperiment e = repeatExercise(made, rule);
    std::printf("repeated\t%s\n", summaryText(e).c_str());
    if (prediction) std::printf("repeated\t%s\n", predictionText(*prediction, e).c_str());
    std::printf("repeated\t%s\n", readingText().c_str());
    for (const ExperimentBlock& block : e.blocks) {
        std::printf("repeated\t%s\n", blockTitle(block.rule).c_str());
        for (std::size_t v = 0; v < kVariantCount; ++v) {
            const StrategyOutcome& o = block.outcomes[v];
            std::printf("repeated\t%s\r\n%s", variantName(Variant(v)).c_str(),
                        strategyText(o, e).c_str());  // CRLF: the line break inside the heading
            for (int count : o.verdicts) std::printf("\t%s", frequencyText(count).c_str());
            std::printf("\t%s\t%s\t%s\t%s\n", frequencyText(o.withoutEstimate).c_str(),
                        meanText(o.meanMarkedRecaptured).c_str(), medianText(o).c_str(), middleText(o).c_str());
        }
    }
    if (e.blocks.size() > 1) std::printf("repeated\t%s\n", differenceText(rule.trick).c_str());
}

static void printClassBoard(LakeCode code, const std::string& typed) {
    const ClassResults results = readClassResults(typed, code);
    const ClassEntries& entries = results.entries;
    std::printf("class\t%s\n", classSummary(entries).c_str());
    for (const NotUnderstood& bad : entries.notUnderstood) std::printf("class\t%s\n", notUnderstoodText(bad).c_str());
    const double trueSize = lakeTrueSize(code);
    std::printf("class\t%s\n", revealText(trueSize).c_str());
    const auto counts = bandCounts(entries.estimates, trueSize);
    for (std::size_t v = 0; v < kVerdictCount; ++v)
        std::printf("class\t%s\t%s\t%d\n", verdictBand(Verdict(v)).c_str(), verdictName(Verdict(v)).c_str(), counts[v]);
    for (const auto& row : codesTable(results, trueSize)) {
        std::printf("class");
        for (const std::string& cell : row) std::printf("\t%s", cell.c_str());
        std::printf("\n");
    }
    std::printf("board-data\t%s\n", classResultsFile(results, trueSize).c_str());
}

int main(int argc, char** argv) {
    const PageAddress address = addressOf(argv[1]);
    std::printf("title\t%s\n", windowTitle(address.settings).c_str());
    std::printf("note\t%s\n", address.note.c_str());
    if (!address.settings.code) return 0;  // a page whose lakes grow from the clock: nothing more to expect
    for (const Rgb& c : {kFormBackground, kLabelText}) std::printf("colour\trgb(%d, %d, %d)\n", c.red, c.green, c.blue);
    printRect("Form1", toPixels(kClientArea));
    for (const auto& b : kButtons) printRect(b.name, toPixels(b.rect));
    for (const auto& b : kBoxes) printRect(b.name, toPixels(b.rect));
    for (const auto& l : kLabels) printRect(l.name, toPixels(l.rect));

    testing::FakeView view;
    FixedSeed seed(*address.settings.code);
    SeededRandomSource random(seed);
    ExerciseController controller(view, random, {}, recaptureRule(address.settings));
    if (address.settings.trick != Trick::None) controller.askPrediction();
    controller.start();
    std::string focus = kBoxes[0].name;
    printShown(view, focus);
    // A click leaves the focus on its button, unless the exercise hands it on; Enter in the box to mark presses its
    // step, the other keys pressed there change nothing the core sees.
    // The section below appears with the first compared estimate, and says so; a trick's question with the release.
    bool sectionShown = false;
    auto click = [&](Button b) {
        if (!view.enabled[indexOf(b)]) return;
        view.focused.reset();
        controller.click(b);
        focus = kButtons[indexOf(view.focused.value_or(b))].name;
        const bool shows = controller.compared() && controller.estimateShown();
        if (shows && !sectionShown) view.announced += " " + sectionAppearedText();
        sectionShown = shows;
        if (b == Button::ReleaseMarked && controller.awaitingPrediction())
            view.announced += " " + trickAskedText(address.settings.trick);
    };
    for (int i = 2; i < argc && argv[i][0] != 'b'; ++i) {
        if (argv[i][0] != 'c') focus = kBoxes[indexOf(kEnterBox)].name;
        if (argv[i][0] == 'c') click(Button(argv[i][1] - '1'));
        if (argv[i][0] == 't') view.type(argv[i] + 1);
        if (std::string_view(argv[i]) == "kEnter") click(kEnterPresses);
        if (argv[i][0] == 'p') {  // a prediction, asked below the window with a trick
            controller.predict(Prediction(argv[i][1] - '0'));
            focus = kButtons[indexOf(view.focused.value())].name;
        }
        printShown(view, focus);
    }
    const EstimateMade& made = controller.estimateShown().value();
    printRepetitions(made, controller.rule(), controller.prediction());
    const CodeReading result = resultCodeOf(made, address.settings);
    std::printf("code\t%s\n", result.code ? writeResultCode(*result.code).c_str() : result.why.c_str());
    std::printf("data\t%s\n", studentFile(controller.hauls(), made, controller.rule()).c_str());  // CRLF lines
    if (argv[argc - 1][0] == 'b') printClassBoard(*address.settings.code, argv[argc - 1] + 1);
}
