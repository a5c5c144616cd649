// Catches a window that strays from the layout table, hides or clips text, breaks the tab order, takes
// typing where it should not, or mishandles clicks and typing on the real widgets.
#include "control/exercise_controller.h"
#include "core/clock_random_source.h"
#include "doubles.h"
#include "random_walk.h"
#include "steps/estimate.h"
#include "window/form1.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ricattura {
namespace {

using enum Button;
using enum Field;
using testing::haulDraw;

QRect pixels(const TwipRect& twips) {
    const PixelRect r = toPixels(twips);
    return {r.left, r.top, r.width, r.height};
}
QColor colour(Rgb c) { return {c.red, c.green, c.blue}; }

// The window with its controller, as the program puts them together.
struct WindowUnderTest {
    explicit WindowUnderTest(RandomSource& random) : controller(form, random, [this] { ++exits; }) {
        form.setClickHandler([this](Button b) {
            ++handled;
            controller.click(b);
        });
        form.show();
        controller.start();
    }
    void click(Button b) { QTest::mouseClick(form.button(b), Qt::LeftButton); }
    QPlainTextEdit* instructions() const { return static_cast<QPlainTextEdit*>(form.box(Text1)); }
    QLineEdit* line(Field f) const { return static_cast<QLineEdit*>(form.box(f)); }

    // The whole instruction text is in view, and every line breaks between words within the box.
    void expectInstructionsReadable() {
        QCoreApplication::processEvents();
        QPlainTextEdit* box = instructions();
        EXPECT_EQ(box->verticalScrollBar()->maximum(), 0) << box->toPlainText().toStdString();
        const qreal room = box->viewport()->width() - 2 * box->document()->documentMargin();
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            const QTextLayout* layout = block.layout();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine l = layout->lineAt(i);
                EXPECT_LE(l.naturalTextWidth(), room) << block.text().toStdString();
                if (i + 1 < layout->lineCount()) {
                    EXPECT_EQ(block.text().at(l.textStart() + l.textLength() - 1), QLatin1Char(' '))
                        << "broken inside a word: " << block.text().toStdString();
                }
            }
        }
    }

    Form1 form;
    int exits = 0;
    int handled = 0;
    ExerciseController controller;
};

class WindowTest : public ::testing::Test {
protected:
    testing::ScriptedRandom random;
    WindowUnderTest w{random};
};

// Includes the colours: only the form and the labels take the form's; buttons and boxes keep the platform's.
TEST_F(WindowTest, DrawsTheLayoutTable) {
    EXPECT_EQ(w.form.windowTitle().toStdString(), kWindowTitle);
    EXPECT_EQ(w.form.size(), pixels(kClientArea).size());
    EXPECT_EQ(w.form.grab().toImage().pixelColor(2, 2), colour(kFormBackground));
    const QPalette standard = QApplication::palette();
    auto expectPlaced = [&](QWidget* widget, const char* name, const TwipRect& rect, QPalette::ColorRole role) {
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->objectName().toStdString(), name);
        EXPECT_EQ(widget->geometry(), pixels(rect)) << name;
        EXPECT_EQ(widget->palette().color(role), role == QPalette::WindowText ? colour(kLabelText) : standard.color(role));
    };
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        QPushButton* b = w.form.button(Button(i));
        expectPlaced(b, kButtons[i].name, kButtons[i].rect, QPalette::Button);
        EXPECT_EQ(b->text().toStdString(), kButtons[i].caption);
        EXPECT_EQ(b->isEnabled(), kButtons[i].enabledAtStart) << kButtons[i].name;
        EXPECT_FALSE(b->isDefault() || b->autoDefault()) << "Enter would click " << kButtons[i].name;
    }
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        QWidget* box = w.form.box(Field(i));
        expectPlaced(box, kBoxes[i].name, kBoxes[i].rect, QPalette::Base);
        const bool readOnly = i == 0 ? w.instructions()->isReadOnly() : w.line(Field(i))->isReadOnly();
        EXPECT_EQ(readOnly, !kBoxes[i].editable) << kBoxes[i].name;
        auto* label = w.form.findChild<QLabel*>(QString::fromLatin1(kLabels[i].name));
        expectPlaced(label, kLabels[i].name, kLabels[i].rect, QPalette::WindowText);
        EXPECT_EQ(label->text().toStdString(), kLabels[i].caption);
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, kLabels[i].align == Align::Left ? Qt::AlignLeft : Qt::AlignRight);
        EXPECT_EQ(label->buddy(), box);
        EXPECT_EQ(box->accessibleName(), label->text());
    }
    EXPECT_EQ(w.line(Text3)->maxLength(), std::numeric_limits<int>::max());  // any text may be pasted
}

TEST_F(WindowTest, EveryCaptionFitsItsControl) {
    const QFontInfo resolved(w.form.font());
    EXPECT_TRUE(resolved.bold());
    EXPECT_EQ(resolved.pixelSize(), 11);
    for (QWidget* widget : w.form.findChildren<QWidget*>()) {
        const QFontMetrics metrics(widget->font());
        if (auto* b = qobject_cast<QPushButton*>(widget)) {
            constexpr int kBevel = 8;  // frame and shading on both sides
            EXPECT_LE(metrics.horizontalAdvance(b->text()), b->width() - kBevel) << b->text().toStdString();
        } else if (auto* l = qobject_cast<QLabel*>(widget)) {
            EXPECT_LE(metrics.horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
            EXPECT_LE(metrics.height(), l->height()) << l->text().toStdString();
        }
    }
    EXPECT_EQ(w.form.grab().size(), w.form.size() * w.form.devicePixelRatio());
}

TEST_F(WindowTest, TabFollowsTheTableAndPassesOverDisabledButtons) {
    w.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    for (bool allEnabled : {false, true}) {
        std::vector<std::string> expected;
        for (const ControlRef& c : controlsInTabOrder()) {
            if (c.kind == ControlRef::Kind::Box) expected.push_back(kBoxes[c.index].name);
            if (c.kind == ControlRef::Kind::Button && (allEnabled || kButtons[c.index].enabledAtStart))
                expected.push_back(kButtons[c.index].name);
        }
        expected.push_back(expected.front());  // and round again
        for (std::size_t b = 0; b < kButtonCount; ++b) w.form.setEnabled(Button(b), allEnabled || kButtons[b].enabledAtStart);
        w.form.box(Text1)->setFocus();
        std::vector<std::string> visited;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            visited.push_back(QApplication::focusWidget()->objectName().toStdString());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(visited, expected);
    }
}

TEST_F(WindowTest, TheLongestGuidanceTextsAreReadable) {
    w.expectInstructionsReadable();
    random.script(testing::lakeDraws(99, 54, 10, 0.999));  // the longest numbers a lake can show
    w.click(Command1);
    w.expectInstructionsReadable();
    SimulationState state{.nmarcati = 10, .nricatturati = 100, .ngiamarcati = 0.2, .dimpop = 1000};
    estimatePopulation(state, w.form);  // refused, with its explanation
    w.expectInstructionsReadable();
    for (double stima : {1000.0, 1070.0, 1200.0, 1400.0, 534600.0}) {  // every verdict
        state.stima = stima;
        compareWithReal(state, w.form);
        w.expectInstructionsReadable();
    }
}

// The walk on the real widgets: typed key by key, clicked with the mouse, read back from the boxes.
class RealWindow final : public testing::WalkedWindow {
public:
    explicit RealWindow(WindowUnderTest& w) : w_(w) {}
    std::array<std::string, kFieldCount> texts() const override {
        std::array<std::string, kFieldCount> shown;
        for (std::size_t f = 0; f < kFieldCount; ++f)
            shown[f] = (f == 0 ? w_.instructions()->toPlainText() : w_.line(Field(f))->text()).toStdString();
        return shown;
    }
    std::array<bool, kButtonCount> enabled() const override {
        std::array<bool, kButtonCount> flags{};
        for (std::size_t b = 0; b < kButtonCount; ++b) flags[b] = w_.form.button(Button(b))->isEnabled();
        return flags;
    }
    void type(const std::string& text) override {
        w_.line(Text3)->clear();
        for (QChar c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())))  // as keys would send it
            QTest::sendKeyEvent(QTest::Click, w_.line(Text3), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void click(Button b) override {
        const int handled = w_.handled;
        const bool enabled = w_.form.button(b)->isEnabled();
        w_.click(b);
        EXPECT_EQ(w_.handled - handled, enabled ? 1 : 0) << "a click handled more or less than once";
        w_.expectInstructionsReadable();
    }

private:
    WindowUnderTest& w_;
};

TEST(WindowWalk, TwoThousandRandomClicksAndTexts) {
    std::mt19937_64 rng(20261207);
    testing::TickingClock clock;
    ClockRandomSource random(clock);
    WindowUnderTest w(random);
    RealWindow window(w);
    testing::WalkFigures figures;
    EXPECT_EQ(testing::walk(rng, 2000, window, w.controller, figures), "");
    std::printf("window walk: 2000 clicks, %d handled, %ld estimates\n", w.handled, figures.estimates);
}

}  // namespace
}  // namespace ricattura
