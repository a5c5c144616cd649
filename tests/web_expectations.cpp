// Lets the browser test catch a page that strays from the native core: prints the title, colours and layout, then
// what the window shows at start and after each action. Arguments: the class code, then the actions: "cN" clicks
// CommandN (N a digit), "tTEXT" types TEXT into Text3, "kKEY" presses a key there (which the core never sees).
// One record a line, "tag<TAB>field<TAB>...": records end in a bare LF, the core's own line breaks are CRLF.
#include "control/exercise_controller.h"
#include "core/clock_random_source.h"
#include "core/launch_options.h"
#include "doubles.h"

#include <cstdio>

using namespace ricattura;

static void printRect(const char* name, const PixelRect& r) {
    std::printf("rect\t%s %d %d %d %d\n", name, r.left, r.top, r.width, r.height);
}

static void printShown(const testing::FakeView& view) {
    std::printf("shown");
    for (const auto& text : view.texts) std::printf("\t%s", text.c_str());
    for (bool on : view.enabled) std::printf("\t%d", on);
    std::printf("\n");
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
    LakeCodeClock clock(code);
    ClockRandomSource random(clock);
    ExerciseController controller(view, random, [] {});
    controller.start();
    printShown(view);
    for (int i = 2; i < argc; ++i) {
        if (argv[i][0] == 'c') controller.click(Button(argv[i][1] - '1'));
        if (argv[i][0] == 't') view.type(argv[i] + 1);
        printShown(view);
    }
}
