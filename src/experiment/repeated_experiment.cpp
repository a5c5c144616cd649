#include "experiment/repeated_experiment.h"

#include "core/seeded_random_source.h"
#include "experiment/axis.h"
#include "core/number_text.h"
#include "steps/recapture.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ricattura {

namespace {

constexpr double kPercent = 100;
constexpr double kLowShare = 0.025;
constexpr double kMedianShare = 0.5;
constexpr double kHighShare = 0.975;
constexpr double kTargetBins = 60;
// The histogram always reaches twice the true size, so an estimate that is on target sits mid-way.
constexpr double kTrueSizesShown = 2;

std::size_t at(auto index) { return static_cast<std::size_t>(index); }

Histogram histogramOf(const RepeatedExperiment& experiment) {
    double top = std::max(kTrueSizesShown * experiment.trueSize, experiment.studentEstimate);
    for (const StrategyOutcome& o : experiment.outcomes) top = std::max(top, o.high.value_or(0));
    Histogram h;
    h.binWidth = niceStep(top / kTargetBins);
    const auto bins = at(std::floor(top / h.binWidth) + 1);
    for (std::size_t v = 0; v < kVariantCount; ++v) {
        h.counts[v].assign(bins, 0);
        for (double e : experiment.outcomes[v].estimates) {
            if (e >= 0 && e < h.binWidth * static_cast<double>(bins))
                ++h.counts[v][at(std::floor(e / h.binWidth))];
            else
                ++h.beyond[v];
        }
    }
    h.ticks = axisTicks(h.end());
    return h;
}

}  // namespace

StrategyOutcome repeatStrategy(const Strategy& strategy, RandomSource& random, int repetitions) {
    StrategyOutcome outcome;
    outcome.strategy = strategy;
    outcome.estimates.reserve(at(repetitions));
    for (int r = 0; r < repetitions; ++r) {
        SimulationState lake{.marked = strategy.marked,
                             .markedShare = strategy.marked / strategy.trueSize,
                             .trueSize = strategy.trueSize};
        for (int haul = 0; haul < strategy.hauls; ++haul) {
            drawRecaptureHaul(lake, random);
            if (lakeNearlyEmpty(lake)) break;
        }
        if (!applyEstimate(lake)) {
            ++outcome.withoutEstimate;
            continue;
        }
        outcome.estimates.push_back(lake.estimate);
        ++outcome.verdicts[at(verdictFor(percentError(lake.estimate, lake.trueSize)))];
    }
    std::sort(outcome.estimates.begin(), outcome.estimates.end());
    outcome.median = quantile(outcome.estimates, kMedianShare);
    outcome.low = quantile(outcome.estimates, kLowShare);
    outcome.high = quantile(outcome.estimates, kHighShare);
    return outcome;
}

std::uint64_t exerciseSeed(const SimulationState& state, int recaptureHauls) {
    // FNV-1a over the bits of every quantity: the same on every platform that has IEEE doubles.
    constexpr std::uint64_t kOffset = 14695981039346656037ULL;
    constexpr std::uint64_t kPrime = 1099511628211ULL;
    constexpr int kByte = 8;
    std::uint64_t hash = kOffset;
    const double quantities[] = {state.hauls,      state.caught,           state.marked,
                                 state.recaptured, state.markedRecaptured, state.markedShare,
                                 state.trueSize,   state.estimate,         static_cast<double>(recaptureHauls)};
    for (double q : quantities) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &q, sizeof bits);
        for (int shift = 0; shift < 64; shift += kByte) hash = (hash ^ ((bits >> shift) & 0xFF)) * kPrime;
    }
    return hash;
}

RepeatedExperiment repeatExercise(const SimulationState& state, int recaptureHauls) {
    FixedSeed seed(exerciseSeed(state, recaptureHauls));
    SeededRandomSource random(seed);
    const Strategy student{state.trueSize, state.marked, recaptureHauls};
    RepeatedExperiment experiment;
    experiment.trueSize = state.trueSize;
    experiment.studentEstimate = state.estimate;
    experiment.outcomes = {repeatStrategy(student, random),
                           repeatStrategy({student.trueSize, 2 * student.marked, student.hauls}, random),
                           repeatStrategy({student.trueSize, student.marked, 2 * student.hauls}, random)};
    experiment.histogram = histogramOf(experiment);
    return experiment;
}

std::string verdictName(Verdict verdict) {
    constexpr const char* kNames[kVerdictCount] = {"molto accurata", "accurata", "abbastanza accurata",
                                                   "non molto accurata", "non ci siamo"};
    return kNames[at(verdict)];
}

std::string verdictBand(Verdict verdict) {
    const auto v = at(verdict);
    if (v == 0) return "sotto il " + decimalText(kVerdictErrorBelow[0]) + " %";
    if (v == kVerdictErrorBelow.size()) return decimalText(kVerdictErrorBelow.back()) + " % o più";
    return "dal " + decimalText(kVerdictErrorBelow[v - 1]) + " al " + decimalText(kVerdictErrorBelow[v]) + " %";
}

std::string variantName(Variant variant) {
    constexpr const char* kNames[kVariantCount] = {"La tua strategia", "Il doppio dei pesci marcati",
                                                   "Il doppio delle cale di ricattura"};
    return kNames[at(variant)];
}

std::string strategyText(const Strategy& s) {
    return decimalText(s.marked) + " marcati, " + decimalText(s.hauls) + (s.hauls == 1 ? " cala" : " cale");
}

std::string shareText(int count, int repetitions) {
    constexpr double kTenths = 10;
    return decimalText(std::round(count * kPercent * kTenths / repetitions) / kTenths) + " %";
}

std::string medianText(const StrategyOutcome& o) {
    return o.median ? decimalText(std::round(*o.median)) : "nessuna stima";
}

std::string middleText(const StrategyOutcome& o) {
    if (!o.median) return "nessuna stima";
    return "fra " + decimalText(std::round(*o.low)) + " e " + decimalText(std::round(*o.high));
}

std::string summaryText(const RepeatedExperiment& e) {
    const StrategyOutcome& student = e.outcomes[at(Variant::Student)];
    const std::string spread = student.median ? ": mediana " + medianText(student) + ", il 95 % centrale delle stime " +
                                                    middleText(student) + ", senza stima " +
                                                    shareText(student.withoutEstimate) + " delle ripetizioni"
                                              : " nessuna ripetizione ha dato una stima";
    return "Stime di " + decimalText(kRepetitions) + " ripetizioni di ciascuna strategia. Numero reale " +
           decimalText(e.trueSize) + ", la tua stima " + decimalText(e.studentEstimate) + ". Con la tua strategia" +
           spread + ". La tabella qui sotto dice quanto spesso esce ciascun giudizio.";
}

}  // namespace ricattura
