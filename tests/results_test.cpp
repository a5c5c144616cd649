// Catches a result code that reads back otherwise or lets a copying slip through, a replay that does not give the
// student's own estimate, and a printed sheet or data file that says other than the exercise.
#include "core/seeded_random_source.h"
#include "doubles.h"
#include "results/data_files.h"
#include "results/replay.h"
#include "results/result_sheet.h"

#include <gtest/gtest.h>

namespace ricattura {
namespace {

using enum Button;

// A student's exercise on a class lake, after a first try and «Riparti»: capture hauls, the number typed before step 3,
// then recapture hauls with an estimate after each count in `estimateAt` (0: step 6 pressed before any haul).
EstimateMade play(const ExerciseSettings& settings, int captureHauls, const std::string& typed,
                  const std::vector<int>& estimateAt) {
    testing::FakeView view;
    FixedSeed seed(*settings.code);
    SeededRandomSource random(seed);
    ExerciseController exercise(view, random, {}, recaptureRule(settings));
    for (Button b : {CreateLake, CaptureHaul, Restart, CreateLake}) exercise.click(b);  // the same lake again
    for (int h = 0; h < captureHauls; ++h) exercise.click(CaptureHaul);
    view.type(typed);
    for (Button b : {MarkFish, ReleaseMarked}) exercise.click(b);
    for (int at : estimateAt) {
        while (exercise.recaptureHauls() < at) exercise.click(RecaptureHaul);
        exercise.click(EstimatePopulation);
    }
    exercise.click(RecaptureHaul);  // a haul after the estimate changes nothing the code holds
    return exercise.estimateShown().value();
}

TEST(ResultCode, ReplaysToTheStudentsOwnEstimate) {
    // clang-format off
    struct Row { const char* name; ExerciseSettings settings; int captureHauls; std::string typed; std::vector<int> estimateAt; std::string code; };
    const Row rows[] = {
        {"the program's rule", {4242}, 3, "150", {8}, "4242-3-150-8-K"},
        {"an earlier estimate, rounded for good", {4242}, 3, "150", {6, 12}, "4242-3-150-6-12-H"},
        {"fish by fish", {4242, true}, 4, "200", {12}, "4242-4-200-12-P-U"},
        {"a trick", {77, true, Trick::LostMarks}, 5, "200", {10}, "77-5-200-10-M-V"}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const EstimateMade made = play(row.settings, row.captureHauls, row.typed, row.estimateAt);
        const CodeReading written = resultCodeOf(made, row.settings);
        ASSERT_TRUE(written.code) << written.why;
        EXPECT_EQ(writeResultCode(*written.code), row.code);
        EXPECT_EQ(readResultCode(row.code).code, written.code);
        const Replay replay = replayResult(*written.code);  // as the teacher's board replays what it read
        EXPECT_EQ(replay.made, made) << replay.why;
    }
}

// One character changed, or two neighbours swapped, anywhere: the check letter says so.
TEST(ResultCode, CatchesEveryCopyingSlip) {
    const std::string good = writeResultCode(ResultCode{4242, 13, 207, {6, 11}, true});
    ASSERT_TRUE(readResultCode(good).code);
    for (std::size_t i = 0; i + 1 < good.size(); ++i) {
        for (char c : std::string("0123456789-PMTCND")) {
            std::string changed = good;
            changed[i] = c;
            if (changed != good && readResultCode(changed).code) ADD_FAILURE() << changed;
        }
        std::string swapped = good;
        std::swap(swapped[i], swapped[i + 1]);
        if (swapped != good && readResultCode(swapped).code) ADD_FAILURE() << swapped;
    }
    // clang-format off
    struct Row { const char* name; std::string text; std::string why; };
    const Row rows[] = {
        {"a wrong letter", good.substr(0, good.size() - 1) + (good.back() == 'A' ? 'C' : 'A'), "la lettera finale non torna, quindi il codice è stato copiato male"},
        {"too short", "4242-3-K", "non è un codice di Ricattura"}, {"a leading zero", "4242-03-207-6-K", "non è un codice di Ricattura"},
        {"estimates out of order", "4242-3-207-9-6-K", "non è un codice di Ricattura"}, {"no check letter", "4242-3-207-6", "non è un codice di Ricattura"},
        {"an unknown option", "4242-3-207-6-Z-K", "non è un codice di Ricattura"}, {"a number", "38226", "non è un codice di Ricattura"}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(readResultCode(row.text).why, row.why);
    }
}

TEST(ResultCode, SaysWhyAStrategyCannotBeReplayedOrHasNoCode) {
    // clang-format off
    struct Row { const char* name; ResultCode code; std::string why; };
    const Row rows[] = {
        {"more marked than caught", {4242, 1, 500, {5}}, "con 1 cale di cattura non si possono marcare 500 pesci"},
        {"more hauls than the lake allows", {4242, 3, 150, {100000}}, "questo lago non permette 100000 cale di ricattura"},
        {"no marked fish yet", {4242, 3, 10, {1}}, "dopo 1 cale di ricattura non c’è una stima"}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(replayResult(row.code).why, row.why);
    }
    const EstimateMade made = play({4242}, 3, "150", {8});
    EXPECT_NE(resultCodeOf(made, {}).why.find("codice della classe"), std::string::npos);
    EstimateMade fraction = made;
    fraction.state.marked = 12.5;
    EXPECT_NE(resultCodeOf(fraction, {4242}).why.find("numero intero"), std::string::npos);
}

TEST(ResultSheet, WritesTheProportionWithTheExercisesNumbers) {
    // clang-format off
    const EstimateMade made{{.hauls = 9, .caught = 300, .marked = 300, .recaptured = 420, .markedRecaptured = 4,
                             .trueSize = 33600, .estimate = 31500}, 6, {}};
    // clang-format on
    const auto sheet = resultSheet(made, {40, 20, 25, 33600}, {42}, readResultCode("42-3-300-6-K"));
    auto value = [&](const std::string& label) {
        const auto line = std::ranges::find(sheet, label, &SheetLine::label);
        return line == sheet.end() ? std::string("missing") : line->value;
    };
    EXPECT_EQ(value("La proporzione"), "M : N = m : n, cioè 300 : N = 4 : 420, quindi N = 420 × 300 : 4 ≈ 31500");
    EXPECT_EQ(value("Il lago"), "40 ettari, 20 kg di pesce per ettaro, pesci di 25 grammi in media");
    EXPECT_EQ(value("Errore") + " " + value("Errore percentuale") + " " + value("Cale di cattura"), "-2100 6,25% 3");
    EXPECT_EQ(value("Giudizio"), "Non male! La stima ottenuta è accurata.");
}

TEST(DataFiles, OpenInAnItalianSpreadsheetAsTheyAre) {
    EXPECT_EQ(spreadsheetFile({{"Tipo", "Stima"}, {"a;b", "12,5"}, {"\"x\"", "3"}}),
              "\xEF\xBB\xBFTipo;Stima\r\n\"a;b\";\"12,5\"\r\n\"\"\"x\"\"\";3\r\n");
    const std::vector<HaulRecord> hauls{
        {false, {}, {.hauls = 1, .caught = 50, .marked = 50}},
        {true, {.hauls = 1, .caught = 50}, {.hauls = 2, .caught = 50, .recaptured = 60, .markedRecaptured = 1.23456}}};
    EXPECT_EQ(spreadsheetFile(haulsRows(hauls)),
              "\xEF\xBB\xBF"
              "Cala;Tipo;Pesci presi;Marcati presi;Totale catturati;Totale ricatturati;"
              "Totale ricatturati marcati;Numero di cale\r\n1;cattura;50;;50;0;0;1\r\n"
              "2;ricattura;60;\"1,2346\";50;60;\"1,2346\";2\r\n");
    const EstimateMade made = play({4242}, 3, "150", {8});
    const std::string file = studentFile(hauls, made, kMarkedShare);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 3 + 1 + 1 + 2 * 3 * kRepetitions)
        << "the hauls, an empty row, then two blocks of three strategies";
    EXPECT_NE(file.find("\r\n\r\nGruppo di barre;Strategia;Ripetizione;"), std::string::npos);
    EXPECT_EQ(studentFile(hauls, std::nullopt, kMarkedShare), spreadsheetFile(haulsRows(hauls)));
}

}  // namespace
}  // namespace ricattura
