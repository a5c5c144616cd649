// Catches a Qt window that clips or splits text, breaks the tab order or the keyboard, hangs or misleads a screen
// reader, and click sequences that break a rule. A box that never finishes an answer ends in ctest's timeout.
#include "control/exercise_controller.h"
#include "core/seeded_random_source.h"
#include "doubles.h"
#include "window/exercise_window.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>

namespace ricattura {
namespace {

using enum Field;

QColor colour(Rgb c) { return {c.red, c.green, c.blue}; }

// The window with its controller, as the program puts them together, seen as a walk sees it: read
// back from the widgets, typed into key by key, clicked with the mouse.
class RealWindow {
public:
    explicit RealWindow(RandomSource& random) : controller(form, random, [] {}) {
        form.setClickHandler([this](Button b) {
            ++handled;
            pressed = b;
            controller.click(b);
        });
        form.show();
        controller.start();
    }
    QPlainTextEdit* instructions() const { return static_cast<QPlainTextEdit*>(form.box(Instructions)); }
    QLineEdit* line(Field f) const { return static_cast<QLineEdit*>(form.box(f)); }

    std::array<std::string, kFieldCount> texts() const {
        std::array<std::string, kFieldCount> shown{instructions()->toPlainText().toStdString()};
        for (std::size_t f = 1; f < kFieldCount; ++f) shown[f] = line(Field(f))->text().toStdString();
        return shown;
    }
    std::array<bool, kButtonCount> enabled() const {
        std::array<bool, kButtonCount> flags{};
        for (std::size_t b = 0; b < kButtonCount; ++b) flags[b] = form.button(Button(b))->isEnabled();
        return flags;
    }
    void type(const std::string& text) {
        line(ToMark)->clear();
        for (QChar c : QString::fromStdString(text))  // as keys would send it
            QTest::sendKeyEvent(QTest::Click, line(ToMark), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void click(Button b) {
        const int before = handled;
        const bool enabled = form.button(b)->isEnabled();
        QTest::mouseClick(form.button(b), Qt::LeftButton);
        EXPECT_EQ(handled - before, enabled ? 1 : 0) << "a click handled more or less than once";
        expectInstructionsReadable();
    }

    // The whole instruction text is in view, and every line breaks between words within the box.
    void expectInstructionsReadable() const {
        QCoreApplication::processEvents();
        EXPECT_EQ(instructions()->verticalScrollBar()->maximum(), 0) << texts()[0];
        const qreal room = instructions()->viewport()->width() - 2 * instructions()->document()->documentMargin();
        for (QTextBlock block = instructions()->document()->begin(); block.isValid(); block = block.next()) {
            for (int i = 0; i < block.layout()->lineCount(); ++i) {
                const QTextLine l = block.layout()->lineAt(i);
                EXPECT_LE(l.naturalTextWidth(), room) << block.text().toStdString();
                const bool last = i + 1 == block.layout()->lineCount();
                EXPECT_TRUE(last || block.text().at(l.textStart() + l.textLength() - 1) == QLatin1Char(' '))
                    << "broken inside a word: " << block.text().toStdString();
            }
        }
    }

    ExerciseWindow form{kWindowTitle};
    int handled = 0;
    Button pressed{};  // the last button handed on
    ExerciseController controller;
};

// What a screen reader is told while one lives, in order: focus moves, selections, and what notifications say.
struct Heard {
    Heard() { listen(true); }
    ~Heard() { listen(false); }
    static void listen(bool on) {
        events().clear();
        QAccessible::installUpdateHandler(on ? record : nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on);
    }
    static std::vector<std::string>& events() {
        static std::vector<std::string> heard;  // Qt calls a plain function
        return heard;
    }
    static void record(QAccessibleEvent* e) {
        if (e->type() == QAccessible::Focus || e->type() == QAccessible::TextSelectionChanged)
            events().push_back((e->type() == QAccessible::Focus ? "focus " : "select ") +
                               e->object()->objectName().toStdString());
        if (e->type() == QAccessible::ObjectShow && e->accessibleInterface()->role() == QAccessible::Notification)
            events().push_back("says " + e->accessibleInterface()->text(QAccessible::Name).toStdString());
    }
};

// Seeds that move on at every reseed, so every lake of a walk differs and the walk replays.
class TickingSeeds final : public SeedSource {
public:
    std::uint64_t seed() override { return next_ += 0x9E3779B97F4A7C15ULL; }

private:
    std::uint64_t next_ = 0;
};

struct WalkFigures {
    long estimates = 0, refused = 0, exhausted = 0;
};

// Clicks at random, mostly on a step that responds so the walk reaches the late steps, rarely on Riparti or Esci;
// types number-like pieces, junk and odd bytes. Returns the first rule a click broke, with where, or nothing.
std::string walk(std::mt19937_64& rng, long clicks, RealWindow& window, WalkFigures& figures) {
    const ExerciseController& controller = window.controller;
    constexpr std::string_view kPieces[] = {"0", "1", "42", "12.5",     ".",     ",",
                                            "e", "-", " ",  "\xC3\xA8", "1e308", "nan"};
    for (long i = 0; i < clicks; ++i) {
        const auto flags = window.enabled();
        const auto roll = rng() % 1000;
        auto b = roll < 5 ? (roll < 1 ? Button::Exit : Button::Restart) : Button(rng() % 7);
        for (int tries = 0; roll >= 150 && tries < 10 && !flags[indexOf(b)]; ++tries) b = Button(rng() % 7);
        if (b == Button::MarkFish || rng() % 20 == 0) {
            std::string typed;
            for (auto pieces = rng() % 9; pieces > 0; --pieces)
                typed +=
                    rng() % 10 ? std::string(kPieces[rng() % std::size(kPieces)]) : std::string(1, char(rng() % 256));
            window.type(typed);
        }
        const auto texts = window.texts();
        const SimulationState before = controller.state();
        window.click(b);
        const SimulationState& after = controller.state();
        const auto shown = window.texts();
        const bool enabled = flags[indexOf(b)];
        // An estimate is refused until one marked fish came back, and from then on never again: step 7 stays off.
        const bool refused = enabled && b == Button::EstimatePopulation && !window.enabled()[indexOf(Button::Compare)];
        std::string broken;
        if ((!enabled || refused) && before != after) broken = "the record changed";
        if (!enabled && (shown != texts || window.enabled() != flags)) broken = "the window changed";
        for (std::size_t k = 0; k < kButtonCount; ++k)
            if (controller.isEnabled(Button(k)) != window.enabled()[k])
                broken = "the controller and the window disagree";
        for (double q : {after.caught, after.marked, after.markedRecaptured, after.markedShare, after.estimate})
            if (!std::isfinite(q)) broken = "a quantity is not finite";
        if (after.trueSize > 0 && after.trueSize - after.recaptured < 1) broken = "the lake was emptied";
        for (std::size_t f = 1; f < kFieldCount; ++f) {
            std::string t = shown[f];
            if (f == indexOf(Field::PercentError) && t.ends_with('%')) t.pop_back();
            const bool unchanged = shown[f] == texts[f];  // checked when it was written, or typed
            if (!t.empty() && !unchanged && !testing::isPlainNumber(t))
                broken = "Text" + std::to_string(f + 1) + " shows " + t;
        }
        if (!broken.empty())
            return broken + " (click " + std::to_string(i) + ", Command" + std::to_string(indexOf(b) + 1) + ")";
        if (enabled && b == Button::EstimatePopulation) ++(refused ? figures.refused : figures.estimates);
        if (enabled && b == Button::RecaptureHaul && !window.enabled()[indexOf(Button::RecaptureHaul)])
            ++figures.exhausted;
    }
    return {};
}

class WindowTest : public ::testing::Test {
protected:
    const Heard heard;
    testing::ScriptedRandom random;
    RealWindow w{random};
};

// What the fonts and palettes decide once the form has drawn the table: colours, and captions that fit.
TEST_F(WindowTest, PaintsTheFormAndFitsEveryCaption) {
    const PixelRect area = toPixels(kClientArea);
    EXPECT_EQ(w.form.size(), QSize(area.width, area.height));
    EXPECT_EQ(w.form.grab().toImage().pixelColor(2, 2), colour(kFormBackground));
    EXPECT_TRUE(QFontInfo(w.form.font()).bold() && QFontInfo(w.form.font()).pixelSize() == 11);
    const QFontMetrics metrics(w.form.font());
    constexpr int kBevel = 8;  // a button's frame and shading on both sides
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        QPushButton* b = w.form.button(Button(i));
        EXPECT_LE(metrics.horizontalAdvance(b->text()), b->width() - kBevel) << kButtons[i].name;
        EXPECT_FALSE(b->autoDefault()) << "Enter would click " << kButtons[i].name;
        EXPECT_EQ(b->palette().color(QPalette::Button), QApplication::palette().color(QPalette::Button));
    }
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        auto* label = w.form.findChild<QLabel*>(QString::fromLatin1(kLabels[i].name));
        ASSERT_NE(label, nullptr) << kLabels[i].name;
        EXPECT_EQ(label->buddy(), w.form.box(Field(i))) << "a screen reader would not name " << kBoxes[i].name;
        for (const QWidget* named : {static_cast<QWidget*>(label), w.form.box(Field(i))})  // Orca says the label's
            EXPECT_EQ(named->accessibleName().toStdString(), spokenName(Field(i)));
        EXPECT_TRUE(
            label->rect().contains(metrics.boundingRect(label->rect(), int(label->alignment()), label->text())));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), colour(kLabelText));
    }
}

TEST_F(WindowTest, TabFollowsTheTableAmongAllButtons) {
    w.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    std::vector<std::string> expected;
    for (const ControlRef& c : controlsInTabOrder())
        if (c.kind != ControlRef::Kind::Label)
            expected.push_back(c.kind == ControlRef::Kind::Box ? kBoxes[c.index].name : kButtons[c.index].name);
    expected.push_back(expected.front());  // and round again
    for (std::size_t b = 0; b < kButtonCount; ++b) w.form.setEnabled(Button(b), true);
    for (std::size_t f = 1; f < kFieldCount; ++f) w.form.setText(Field(f), "38226");
    w.form.box(Instructions)->setFocus();
    std::vector<std::string> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QCoreApplication::sendPostedEvents();  // what the focus left for later
        const std::string name = QApplication::focusWidget()->objectName().toStdString();
        // A value is read whole, not as a selection; typing replaces the proposal in the box the student types into,
        // selected once a reader knows where the focus is.
        const auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        EXPECT_EQ(box && box->hasSelectedText(), box && !box->isReadOnly()) << name;
        if (box && !box->isReadOnly()) {
            EXPECT_EQ(Heard::events(), (std::vector<std::string>{"focus " + name, "select " + name}));
        }
        Heard::events().clear();
        visited.push_back(name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
}

// The exercise by keyboard and screen reader: the opening words once the window is active, after its focus; Space or
// Enter press the focused step, Enter in the typed box the step that reads it, nothing else anything (no button is a
// default one: the form's test); a step that switched itself off hands the focus, ring and all, on before its words
// are spoken.
TEST_F(WindowTest, KeysPressTheStepsWhichPassTheFocusOnBeforeTheyAreSpoken) {
    using enum Button;
    const auto step = [this](Button b) -> QWidget* { return w.form.button(b); };
    // What a key there presses, and where the focus then goes if it leaves.
    using Row = std::tuple<const char*, QWidget*, Qt::Key, std::optional<Button>, std::optional<Button>>;
    const Row rows[] = {{"CreateLakeByEnter", step(CreateLake), Qt::Key_Return, CreateLake, CaptureHaul},
                        {"HaulBySpace", step(CaptureHaul), Qt::Key_Space, CaptureHaul, {}},
                        {"EscapeOnAStep", step(CaptureHaul), Qt::Key_Escape, {}, {}},
                        {"EnterInAReadOnlyBox", w.form.box(Caught), Qt::Key_Return, {}, {}},
                        {"EscapeInTheTypedBox", w.form.box(kEnterBox), Qt::Key_Escape, {}, {}},
                        {"EnterInTheTypedBox", w.form.box(kEnterBox), Qt::Key_Return, kEnterPresses, ReleaseMarked},
                        {"ReleaseByKeypadEnter", step(ReleaseMarked), Qt::Key_Enter, ReleaseMarked, RecaptureHaul},
                        {"RestartBySpace", step(Restart), Qt::Key_Space, Restart, CreateLake}};
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    QCoreApplication::sendPostedEvents();  // what the activation left for after its own focus
    EXPECT_EQ(Heard::events(), (std::vector<std::string>{"focus Text1", "says " + spokenInstructions(w.texts()[0])}));
    for (const auto& [name, control, key, presses, next] : rows) {
        SCOPED_TRACE(name);
        const auto before = w.texts();
        const int handled = w.handled;
        control->setFocus(Qt::OtherFocusReason);
        Heard::events().clear();
        QTest::keyClick(control, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        std::vector<std::string> expected;
        if (next) expected.push_back(std::string("focus ") + kButtons[indexOf(*next)].name);
        if (presses) expected.push_back("says " + announcementFor(before, w.texts()));
        EXPECT_EQ(Heard::events(), expected);
        EXPECT_EQ(std::pair(w.handled - handled, w.pressed), std::pair(presses ? 1 : 0, presses.value_or(w.pressed)));
        EXPECT_EQ(QApplication::focusWidget(), next ? step(*next) : control);
        EXPECT_TRUE(w.form.testAttribute(Qt::WA_KeyboardFocusChange)) << "the style draws no focus ring";
    }
}

// Every one-line box answers a screen reader's every question about its text, the end included, with items that tile
// the text around the offset and one run of attributes over all of it.
TEST_F(WindowTest, OneLineBoxesAnswerForEveryItemAtEveryOffset) {
    using enum QAccessible::TextBoundaryType;
    const std::pair<const char*, QString> rows[] = {
        {"Figure", "38226"}, {"Empty", ""}, {"DecimalComma", "12,5"}, {"FigureAndWord", "1234 pesci"}};
    struct Item {
        QString text;
        int start = -2, end = -2;
    } before, at, after, run;
    for (const auto& [name, shown] : rows) {
        SCOPED_TRACE(name);
        const int length = int(shown.size());
        for (std::size_t f = 1; f < kFieldCount; ++f) {
            w.form.setText(Field(f), shown.toStdString());
            QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(w.line(Field(f)))->textInterface();
            for (auto kind :
                 {CharBoundary, WordBoundary, SentenceBoundary, ParagraphBoundary, LineBoundary, NoBoundary})
                for (int offset = 0; offset <= length; ++offset) {
                    SCOPED_TRACE(::testing::Message() << kBoxes[f].name << " kind " << kind << " at " << offset);
                    before.text = text->textBeforeOffset(offset, kind, &before.start, &before.end);
                    at.text = text->textAtOffset(offset, kind, &at.start, &at.end);
                    after.text = text->textAfterOffset(offset, kind, &after.start, &after.end);
                    run.text = text->attributes(offset, &run.start, &run.end);
                    for (const Item& item : {before, at, after})  // an item of the text, or none
                        EXPECT_TRUE((item.start == -1 && item.end == -1 && item.text.isEmpty()) ||
                                    (0 <= item.start && item.start < item.end && item.end <= length &&
                                     item.text == shown.mid(item.start, item.end - item.start)));
                    const bool inItem = length > 0 && (kind != CharBoundary || offset < length);
                    EXPECT_EQ(at.start >= 0, inItem);
                    EXPECT_TRUE(!inItem || (at.start <= offset && (offset < at.end || at.end == length)));
                    EXPECT_EQ(std::pair(before.start < 0 ? 0 : before.end, after.start < 0 ? length : after.start),
                              inItem ? std::pair(at.start, at.end) : std::pair(length, length));
                    EXPECT_EQ(std::tuple(run.text, run.start, run.end), std::tuple(QString(), 0, length));
                }
        }
    }
}

// The one random walk: it catches click sequences no example plays, through the window as a student meets it.
TEST(WindowWalk, RandomClicksAndTextsBreakNoRule) {
    const long clicks = 5000;
    std::mt19937_64 rng(20261207);
    TickingSeeds seeds;
    SeededRandomSource random(seeds);
    RealWindow window(random);
    WalkFigures figures;
    EXPECT_EQ(walk(rng, clicks, window, figures), "");
    std::printf("window walk: %ld clicks, %d handled, %ld estimates made, %ld refused, %ld lakes fished out\n", clicks,
                window.handled, figures.estimates, figures.refused, figures.exhausted);
    EXPECT_TRUE(figures.estimates > 0 && figures.refused > 0 && figures.exhausted > 0)
        << "the late steps went unvisited";
}

}  // namespace
}  // namespace ricattura

// One application object for every test, without a display unless one is asked for.
int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
