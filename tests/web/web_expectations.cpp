// Lets the browser test catch a page that strays from the native core: prints the title, colours and layout, then
// what the window shows at start and after each action. Arguments: the class code, then the actions: "cN" clicks
// CommandN (N a digit), "tTEXT" types TEXT into ToMark, "kKEY" presses a key there (which the core never sees), and
// last "bTEXT", what the teacher types on the class board.
// One record a line, "tag<TAB>field<TAB>...": records end in a bare LF, the core's own line breaks are CRLF.
// A "shown" record holds the ten texts, the nine buttons, the last words spoken and the focused control; after the
// series come the repeated experiment's section and the class board.
#include "control/exercise_controller.h"
#include "core/seeded_random_source.h"
#include "core/launch_options.h"
#include "doubles.h"
#include "experiment/class_board.h"
#include "experiment/repeated_experiment.h"

#include <cstdio>

using namespace ricattura;

static void printRect(const char* name, const PixelRect& r) {
    std::printf("rect\t%s %d %d %d %d\n", name, r.left, r.top, r.width, r.height);
}

static const char* nameOf(const ControlRef& c) {
    return c.kind == ControlRef::Kind::Box ? kBoxes[c.index].name : kButtons[c.index].name;
}

// A clicked button keeps the focus; one that switched itself off hands it to the next control that can take it.
static std::string focusAfterClick(const testing::FakeView& view, Button clicked) {
    std::vector<ControlRef> ring;
    for (const ControlRef& c : controlsInTabOrder())
        if (c.kind != ControlRef::Kind::Label) ring.push_back(c);
    std::size_t at = 0;
    while (ring[at].kind != ControlRef::Kind::Button || ring[at].index != indexOf(clicked)) ++at;
    for (std::size_t step = 0; step < ring.size(); ++step) {
        const ControlRef& c = ring[(at + step) % ring.size()];
        if (c.kind == ControlRef::Kind::Box || view.enabled[c.index]) return nameOf(c);
    }
    return "";
}

static void printShown(const testing::FakeView& view, const std::string& focus) {
    std::printf("shown");
    for (const auto& text : view.texts) std::printf("\t%s", text.c_str());
    for (bool on : view.enabled) std::printf("\t%d", on);
    std::printf("\t%s\t%s\n", view.announced.c_str(), focus.c_str());
}

int main(int argc, char** argv) {
    const LakeCode code = parseLakeCode(argv[1]).value();
    std::printf("title\t%s\n", windowTitle(code).c_str());
    for (const Rgb& c : {kFormBackground, kLabelText}) std::printf("colour\trgb(%d, %d, %d)\n", c.red, c.green, c.blue);
    printRect("Form1", toPixels(kClientArea));
    for (const auto& b : kButtons) printRect(b.name, toPixels(b.rect));
    for (const auto& b : kBoxes) printRect(b.name, toPixels(b.rect));
    for (const auto& l : kLabels) printRect(l.name, toPixels(l.rect));

    testing::FakeView view;
    FixedSeed seed(code);
    SeededRandomSource random(seed);
    ExerciseController controller(view, random, [] {});
    controller.start();
    std::string focus = kBoxes[0].name;
    printShown(view, focus);
    for (int i = 2; i < argc; ++i) {
        if (argv[i][0] == 'c') {
            const Button b(Button(argv[i][1] - '1'));
            if (view.enabled[indexOf(b)]) {
                controller.click(b);
                focus = focusAfterClick(view, b);
            }
        }
        if (argv[i][0] == 't') view.type(argv[i] + 1);
        if (argv[i][0] == 'b') break;
        if (argv[i][0] != 'c') focus = kBoxes[indexOf(Field::ToMark)].name;
        printShown(view, focus);
    }
    const RepeatedExperiment e = repeatExercise(controller.state(), controller.recaptureHauls());
    std::printf("repeated-summary\t%s\n", summaryText(e).c_str());
    for (std::size_t v = 0; v < kVariantCount; ++v) {
        const StrategyOutcome& o = e.outcomes[v];
        std::printf("repeated-row\t%s %s", variantName(Variant(v)).c_str(), strategyText(o.strategy).c_str());
        for (int count : o.verdicts) std::printf("\t%s", shareText(count).c_str());
        std::printf("\t%s\t%s\t%s\n", shareText(o.withoutEstimate).c_str(), medianText(o).c_str(),
                    middleText(o).c_str());
    }
    const ClassEntries entries = parseClassEntries(argv[argc - 1] + 1);
    std::printf("class-summary\t%s\n", classSummary(entries).c_str());
    for (const std::string& bad : entries.notUnderstood) std::printf("class-bad\t«%s»\n", bad.c_str());
    const double trueSize = lakeTrueSize(code);
    std::printf("class-reveal\t%s\n", revealText(trueSize, bandCounts(entries.estimates, trueSize)).c_str());
}
