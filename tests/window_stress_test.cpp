#include "control/clock_random_source.h"
#include "control/exercise_controller.h"
#include "support/hostile_inputs.h"
#include "support/number_shape.h"
#include "support/seeded_clock.h"
#include "support/walk_choice.h"
#include "window/form1.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>

namespace ricattura {
namespace {

// Types a text key by key; characters with no key of their own arrive as the text of an unnamed key,
// as an input method would send them.
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

// Random clicks and typing on the real window: every click is handled before the next is
// sent, and the window never shows anything but the exercise's own texts and numbers.
TEST(WindowStress, TwoThousandRandomClicksAndTexts) {
    constexpr int kClicks = 2000;
    constexpr std::uint64_t kSeed = 20261207;
    std::mt19937_64 rng(kSeed);
    testing::SeededClock clock(kSeed);
    ClockRandomSource random(clock);
    Form1 form;
    int exits = 0;
    ExerciseController controller(form, random, [&exits] { ++exits; });
    int handled = 0;
    form.setClickHandler([&](Button b) {
        ++handled;
        controller.click(b);
    });
    form.show();
    controller.start();
    auto* mark = form.findChild<QLineEdit*>(QStringLiteral("Text3"));
    auto* instructions = static_cast<QPlainTextEdit*>(form.box(Field::Text1));
    ASSERT_NE(mark, nullptr);

    qint64 slowestMs = 0;
    for (int i = 0; i < kClicks; ++i) {
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ", click " + std::to_string(i));
        std::array<bool, kButtonCount> enabled{};
        for (std::size_t b = 0; b < kButtonCount; ++b) enabled[b] = form.button(static_cast<Button>(b))->isEnabled();
        const Button b = testing::pickWalkButton(rng, enabled);
        if (b == Button::Command3 || std::uniform_int_distribution<int>(0, 9)(rng) == 0) {
            std::string text;
            do text = testing::randomMarkText(rng);
            while (text.size() > 40);  // typed key by key, so keep it to what a student would type
            QTest::keyClick(mark, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(mark, Qt::Key_Delete);
            typeText(mark, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        }
        const int handledBefore = handled;
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(form.button(b), Qt::LeftButton);
        slowestMs = std::max(slowestMs, timer.elapsed());
        ASSERT_EQ(handled - handledBefore, enabled[indexOf(b)] ? 1 : 0);

        QCoreApplication::processEvents();
        ASSERT_FALSE(instructions->toPlainText().isEmpty());
        ASSERT_EQ(instructions->verticalScrollBar()->maximum(), 0) << instructions->toPlainText().toStdString();
        for (std::size_t f = 1; f < kFieldCount; ++f) {
            if (f == indexOf(Field::Text3)) continue;  // may hold what was typed
            std::string shown = static_cast<QLineEdit*>(form.box(static_cast<Field>(f)))->text().toStdString();
            if (f == indexOf(Field::Text9) && !shown.empty() && shown.back() == '%') shown.pop_back();
            ASSERT_TRUE(shown.empty() || testing::isPlainNumber(shown)) << "Text" << f + 1 << ": " << shown;
        }
        for (std::size_t button = 0; button < kButtonCount; ++button)
            ASSERT_EQ(form.button(static_cast<Button>(button))->isEnabled(),
                      controller.isEnabled(static_cast<Button>(button)));
    }
    std::printf("window stress: %d clicks, %d handled, %d exits, slowest click %lld ms\n", kClicks, handled, exits,
                static_cast<long long>(slowestMs));
}

}  // namespace
}  // namespace ricattura
