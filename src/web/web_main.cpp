// The browser edition: the same exercise, drawn into the page from the window's layout table.
#include "control/exercise_controller.h"
#include "core/launch_options.h"
#include "core/layout.h"
#include "core/seeded_random_source.h"
#include "experiment_page.h"
#include "page_script.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace ricattura {
namespace {

std::string cssColour(Rgb c) {
    return "rgb(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " + std::to_string(c.blue) + ")";
}

// The page's own cut of the window's font first, so every device draws the same text.
std::string fontFamilies() {
    std::string list = "\"" RICATTURA_PAGE_FONT "\", ";
    for (const char* family : kFormFont.families) list += "\"" + std::string(family) + "\", ";
    return list + "sans-serif";
}

// A text the script handed over, taken into a string; none for a null pointer.
std::optional<std::string> taken(char* text) {
    if (!text) return std::nullopt;
    std::string copy(text);
    std::free(text);
    return copy;
}

// Every control positioned in whole pixels, in the order the keyboard visits them, so that the page's tab order
// is the window's.
void buildWindow() {
    jsStartFocus(kBoxes[indexOf(Field::Instructions)].name);  // the keyboard starts in the instructions
    const PixelRect client = toPixels(kClientArea);
    jsBuildWindow(kWindowTitle, client.width, client.height, cssColour(kFormBackground).c_str(),
                  cssColour(kLabelText).c_str(), fontFamilies().c_str(), kFormFont.points, kFormFont.weight);
    for (const ControlRef& c : controlsInTabOrder()) {
        switch (c.kind) {
            case ControlRef::Kind::Button: {
                const ButtonLayout& b = kButtons[c.index];
                const PixelRect r = toPixels(b.rect);
                jsAddButton(b.name, b.caption, &r, static_cast<int>(c.index), b.enabledAtStart);
                break;
            }
            case ControlRef::Kind::Box: {
                const BoxLayout& b = kBoxes[c.index];
                const PixelRect r = toPixels(b.rect);
                jsAddBox(b.name, &r, b.multiLine, b.editable, b.description);
                break;
            }
            case ControlRef::Kind::Label: {
                const LabelLayout& l = kLabels[c.index];
                const PixelRect r = toPixels(l.rect);
                jsAddLabel(l.name, l.caption, &r, kBoxes[c.index].name, l.align == Align::Right);
                break;
            }
        }
    }
}

// The window as the exercise sees it, kept in the page's controls.
class WebView final : public MainView {
public:
    void setText(Field field, const std::string& text) override {
        jsSetText(kBoxes[indexOf(field)].name, text.c_str());
    }
    std::string markInputText() const override {
        return taken(jsTypedText(kBoxes[indexOf(Field::ToMark)].name)).value_or("");
    }
    void setEnabled(Button button, bool enabled) override { jsSetEnabled(kButtons[indexOf(button)].name, enabled); }
    void announce(const std::string& words) override { jsAnnounce(words.c_str()); }
};

// What the address says of the class code: the code, and a line for the page when it says something.
struct AddressCode {
    std::optional<LakeCode> code;
    std::string note;
};

AddressCode addressCode() {
    const std::optional<std::string> written = taken(jsAddressParameter("lago"));
    if (!written) return {};
    const std::optional<LakeCode> code = parseLakeCode(*written);
    if (code) return {code, "Lago della classe: " + *written};
    if (written->empty())
        return {code, "Nell’indirizzo, dopo «?lago=», manca il numero del lago: ogni lago sarà diverso."};
    return {code, notALakeCode(*written) + " Finché l’indirizzo non lo indica, ogni lago sarà diverso."};
}

// One page load: the address's class code, the view, the seed every lake grows from, and the exercise running in it.
class Page {
public:
    explicit Page(AddressCode address)
        : address_(std::move(address)), seeds_(makeSeedSource(address_.code)), random_(*seeds_) {}

    const AddressCode& address() const { return address_; }

    // The state of a fresh load: empty boxes, the buttons as the window is created, the intro.
    void startExercise() {
        controller_.startAnew();
        ended_ = false;
        hideRepetitions();
        jsShowEnded(0);
    }
    // Once the estimate has been compared with the truth, the repeated experiment follows every later click.
    void click(Button b) {
        if (ended_) return;
        controller_.click(b);
        if (controller_.compared())
            showRepetitions(controller_);
        else
            hideRepetitions();
    }

private:
    AddressCode address_;
    WebView view_;
    std::unique_ptr<SeedSource> seeds_;
    SeededRandomSource random_;
    bool ended_ = false;
    ExerciseController controller_{view_, random_, [this] {
                                       ended_ = true;
                                       jsShowEnded(1);
                                   }};
};

// The page lasts as long as the tab: made at the first call, from the address, never deleted.
Page& thePage() {
    static Page page(addressCode());
    return page;
}

}  // namespace
}  // namespace ricattura

extern "C" {

EMSCRIPTEN_KEEPALIVE void ricattura_click(int button) {
    if (button >= 0 && button < static_cast<int>(ricattura::kButtonCount))
        ricattura::thePage().click(static_cast<ricattura::Button>(button));
}

EMSCRIPTEN_KEEPALIVE void ricattura_new_exercise() { ricattura::thePage().startExercise(); }

}  // extern "C"

int main() {
    using namespace ricattura;
    const AddressCode& address = thePage().address();
    buildWindow();
    // With a class code the same lake comes back: the exercise starts again rather than anew.
    jsShowPage(windowTitle(address.code).c_str(), address.note.c_str(), !address.code && !address.note.empty(),
               address.code ? "Ricomincia" : "Nuovo esercizio");
    thePage().startExercise();
    buildClassBoard(address.code);
}
