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
class WindowTest : public ::testing::Test {
protected:
    WindowTest() : controller(form, random, [this] { ++exits; }) {
        form.setClickHandler([this](Button b) { controller.click(b); });
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
        const QString text = box->toPlainText();
        EXPECT_EQ(box->verticalScrollBar()->maximum(), 0) << text.toStdString();
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

    testing::ScriptedRandom random;
    Form1 form;
    int exits = 0;
    ExerciseController controller;
};

TEST_F(WindowTest, DrawsTheLayoutTable) {
    EXPECT_EQ(form.windowTitle().toStdString(), kWindowTitle);
    EXPECT_EQ(form.size(), pixels(kClientArea).size());
    EXPECT_EQ(form.grab().toImage().pixelColor(2, 2), colour(kFormBackground));
    const QPalette standard = QApplication::palette();
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        QPushButton* b = form.button(Button(i));
        EXPECT_EQ(b->objectName().toStdString(), kButtons[i].name);
        EXPECT_EQ(b->geometry(), pixels(kButtons[i].rect)) << kButtons[i].name;
        EXPECT_EQ(b->text().toStdString(), kButtons[i].caption);
        EXPECT_EQ(b->isEnabled(), kButtons[i].enabledAtStart) << kButtons[i].name;
        EXPECT_FALSE(b->isDefault() || b->autoDefault());
        EXPECT_EQ(b->palette().color(QPalette::Button), standard.color(QPalette::Button));
        EXPECT_EQ(b->palette().color(QPalette::Window), standard.color(QPalette::Window));
    }
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        QWidget* box = form.box(Field(i));
        EXPECT_EQ(box->objectName().toStdString(), kBoxes[i].name);
        EXPECT_EQ(box->geometry(), pixels(kBoxes[i].rect)) << kBoxes[i].name;
        EXPECT_EQ(box->palette().color(QPalette::Base), standard.color(QPalette::Base));
        EXPECT_EQ(box->palette().color(QPalette::Window), standard.color(QPalette::Window));
        const bool readOnly = i == 0 ? instructions()->isReadOnly() : line(Field(i))->isReadOnly();
        EXPECT_EQ(readOnly, !kBoxes[i].editable) << kBoxes[i].name;
        auto* label = form.findChild<QLabel*>(QString::fromLatin1(kLabels[i].name));
        ASSERT_NE(label, nullptr) << kLabels[i].name;
        EXPECT_EQ(label->geometry(), pixels(kLabels[i].rect)) << kLabels[i].name;
        EXPECT_EQ(label->text().toStdString(), kLabels[i].caption);
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, kLabels[i].align == Align::Left ? Qt::AlignLeft : Qt::AlignRight);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), colour(kLabelText));
        EXPECT_EQ(label->palette().color(QPalette::Window), colour(kFormBackground));
        EXPECT_EQ(label->buddy(), box);
        EXPECT_EQ(box->accessibleName(), label->text());
    }
    EXPECT_EQ(line(Text3)->maxLength(), std::numeric_limits<int>::max());
}

TEST_F(WindowTest, EveryCaptionFitsItsControl) {
    const QFontInfo resolved(form.font());
    EXPECT_TRUE(resolved.bold());
    EXPECT_EQ(resolved.pixelSize(), 11);
    for (QWidget* w : form.findChildren<QWidget*>()) {
        const QFontMetrics metrics(w->font());
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            constexpr int kBevel = 8;  // frame and shading on both sides
            EXPECT_LE(metrics.horizontalAdvance(b->text()), b->width() - kBevel) << b->text().toStdString();
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            EXPECT_LE(metrics.horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
            EXPECT_LE(metrics.height(), l->height()) << l->text().toStdString();
        }
    }
    EXPECT_EQ(form.grab().size(), form.size() * form.devicePixelRatio());
}

TEST_F(WindowTest, TabFollowsTheTableAndPassesOverDisabledButtons) {
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (bool allEnabled : {false, true}) {
        std::vector<std::string> expected;
        for (const ControlRef& c : controlsInTabOrder()) {
            if (c.kind == ControlRef::Kind::Box) expected.push_back(kBoxes[c.index].name);
            if (c.kind == ControlRef::Kind::Button && (allEnabled || kButtons[c.index].enabledAtStart))
                expected.push_back(kButtons[c.index].name);
        }
        expected.push_back(expected.front());  // and round again
        for (std::size_t b = 0; b < kButtonCount; ++b) form.setEnabled(Button(b), allEnabled || kButtons[b].enabledAtStart);
        form.box(Text1)->setFocus();
        std::vector<std::string> visited;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            visited.push_back(QApplication::focusWidget()->objectName().toStdString());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(visited, expected);
    }
}

TEST_F(WindowTest, OnlyTheMarkBoxTakesTypingAndNoKeyClicksAButton) {
    QTest::keyClicks(line(Text2), "12");
    QTest::keyClicks(line(Text3), "dodici");
    for (auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        for (Field f : {Text1, Text3}) QTest::keyClick(form.box(f), key);
    EXPECT_EQ(line(Text2)->text(), "");
    EXPECT_EQ(line(Text3)->text(), "dodici");
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(form.button(Command1)->isEnabled());
    const QString pasted(100000, QLatin1Char('7'));  // past a line edit's usual 32767 limit
    line(Text3)->selectAll();
    line(Text3)->insert(pasted);
    EXPECT_EQ(line(Text3)->text(), pasted);
}

TEST_F(WindowTest, PlaysAWholeExerciseWithEveryGuidanceTextReadable) {
    expectInstructionsReadable();
    random.script(testing::lakeDraws(99, 54, 10, 0.999));  // the longest numbers a lake can show
    click(Command1);
    expectInstructionsReadable();
    click(Command9);
    random.script(testing::lakeDraws(40, 20, 25, 0.75));
    click(Command1);
    for (int haul = 0; haul < 3; ++haul) {
        random.script({haulDraw(100)});
        click(Command2);
    }
    expectInstructionsReadable();
    QTest::keyClick(line(Text3), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(line(Text3), "1234.5 pesci");
    click(Command3);
    EXPECT_EQ(line(Text3)->text(), "300");
    expectInstructionsReadable();
    click(Command4);
    expectInstructionsReadable();
    for (int haul = 0; haul < 4; ++haul) {
        random.script({haulDraw(105), 0.5});
        click(Command5);
    }
    expectInstructionsReadable();
    click(Command6);
    expectInstructionsReadable();
    click(Command7);
    const std::vector<std::string> boxes{"Non male! La stima ottenuta è accurata.", "300", "300", "420", "4",
                                         "31500", "33600", "-2100", "6.25%", "7"};
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        const QString shown = f == 0 ? instructions()->toPlainText() : line(Field(f))->text();
        EXPECT_EQ(shown.toStdString(), boxes[f]) << "Text" << f + 1;
    }
    // The longest texts a step can write: the refused estimate and every verdict.
    SimulationState state{.nmarcati = 10, .nricatturati = 100, .ngiamarcati = 0.2, .dimpop = 1000};
    estimatePopulation(state, form);
    expectInstructionsReadable();
    for (double stima : {1000.0, 1070.0, 1200.0, 1400.0, 534600.0}) {
        state.stima = stima;
        compareWithReal(state, form);
        expectInstructionsReadable();
    }
}

// Types a text key by key; characters with no key of their own arrive as an input method sends them.
void typeText(QWidget* box, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(box, static_cast<char>(c.unicode()));
            continue;
        }
        const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

TEST(WindowWalk, TwoThousandRandomClicksAndTexts) {
    std::mt19937_64 rng(20261207);
    LakeCodeClock clock(rng());
    ClockRandomSource random(clock);
    Form1 form;
    ExerciseController controller(form, random, [] {});
    int handled = 0;
    form.setClickHandler([&](Button b) {
        ++handled;
        controller.click(b);
    });
    form.show();
    controller.start();
    auto* mark = static_cast<QLineEdit*>(form.box(Text3));
    for (int i = 0; i < 2000; ++i) {
        std::array<bool, kButtonCount> enabled{};
        for (std::size_t b = 0; b < kButtonCount; ++b) enabled[b] = form.button(Button(b))->isEnabled();
        const Button b = testing::pickButton(rng, enabled);
        if (b == Command3 || rng() % 10 == 0) {
            const std::string text = testing::randomMarkText(rng);
            mark->clear();
            typeText(mark, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        }
        const int handledBefore = handled;
        QTest::mouseClick(form.button(b), Qt::LeftButton);
        ASSERT_EQ(handled - handledBefore, enabled[indexOf(b)] ? 1 : 0) << "click " << i;
        QCoreApplication::processEvents();
        ASSERT_EQ(static_cast<QPlainTextEdit*>(form.box(Text1))->verticalScrollBar()->maximum(), 0) << "click " << i;
        for (std::size_t f = 1; f < kFieldCount; ++f) {
            if (f == indexOf(Text3)) continue;  // may hold what was typed
            std::string shown = static_cast<QLineEdit*>(form.box(Field(f)))->text().toStdString();
            if (f == indexOf(Text9) && !shown.empty()) shown.pop_back();
            ASSERT_TRUE(shown.empty() || testing::isPlainNumber(shown)) << "click " << i << ": Text" << f + 1 << " " << shown;
        }
        for (std::size_t button = 0; button < kButtonCount; ++button)
            ASSERT_EQ(form.button(Button(button))->isEnabled(), controller.isEnabled(Button(button))) << "click " << i;
    }
    std::printf("window walk: 2000 clicks, %d handled\n", handled);
}

}  // namespace
}  // namespace ricattura
