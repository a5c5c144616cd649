#include "experiment/repeated_experiment.h"

#include "core/seeded_random_source.h"
#include "experiment/axis.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ricattura {

namespace {

constexpr double kLowShare = 0.025;
constexpr double kMedianShare = 0.5;
constexpr double kHighShare = 0.975;
constexpr double kTargetBins = 60;
constexpr int kDrawsPerHaul = 2;
// The histogram always reaches twice the true size, so an estimate that is on target sits mid-way.
constexpr double kTrueSizesShown = 2;

std::size_t at(auto index) { return static_cast<std::size_t>(index); }

// Hands a haul the draws a repetition took for it, so that every strategy replays the same hauls.
class ReplayedDraws final : public RandomSource {
public:
    explicit ReplayedDraws(const std::vector<double>& draws) : draws_(draws) {}
    void reseed() override {}
    double draw() override { return draws_[next_++]; }

private:
    const std::vector<double>& draws_;
    std::size_t next_ = 0;
};

// The value at the share p of every repetition, by nearest rank, those without an estimate (endless ones) last; none
// where p falls among those. So the 97.5 % point of 1000 repetitions is there when at least 975 gave an estimate.
std::optional<double> pointOf(const StrategyOutcome& o, double p) {
    const double all = static_cast<double>(o.estimates.size()) + o.withoutEstimate;
    const auto index = at(std::max(1.0, std::ceil(p * all)) - 1);
    if (index >= o.estimates.size()) return std::nullopt;
    return o.estimates[index];
}

void summarise(StrategyOutcome& o, int repetitions) {
    std::sort(o.estimates.begin(), o.estimates.end());
    o.meanMarkedRecaptured /= repetitions;
    o.meanHauls /= repetitions;
    o.median = pointOf(o, kMedianShare);
    o.low = pointOf(o, kLowShare);
    o.high = pointOf(o, kHighShare);
}

Histogram histogramOf(const RepeatedExperiment& experiment) {
    double top = std::max(kTrueSizesShown * experiment.trueSize, experiment.studentEstimate);
    for (const ExperimentBlock& block : experiment.blocks)
        for (const StrategyOutcome& o : block.outcomes) top = std::max(top, o.high.value_or(0));
    Histogram h;
    h.binWidth = niceStep(top / kTargetBins);
    h.bins = at(std::floor(top / h.binWidth) + 1);
    h.ticks = axisTicks(h.end());
    return h;
}

void countBins(ExperimentBlock& block, const Histogram& h) {
    for (std::size_t v = 0; v < kVariantCount; ++v) {
        block.counts[v].assign(h.bins, 0);
        for (double e : block.outcomes[v].estimates) {
            if (e < h.end())
                ++block.counts[v][at(std::floor(e / h.binWidth))];
            else
                ++block.beyond[v];
        }
    }
}

// Each strategy's lake after its recapture hauls, fewer if the lake runs low. Strategies that mark as many fish fish the
// same lake on the same draws: it is fished once, as far as the longest of them, and each takes it as it stood after
// its own hauls.
void hauledLakes(const RepetitionPlan& plan, const std::vector<double>& draws,
                 std::array<SimulationState, kVariantCount>& lakes) {
    std::array<bool, kVariantCount> done{};
    for (std::size_t v = 0; v < kVariantCount; ++v) {
        if (done[v]) continue;
        const double marked = plan.strategies[v].marked;
        SimulationState lake{.marked = marked, .markedShare = marked / plan.trueSize, .trueSize = plan.trueSize};
        ReplayedDraws hauls(draws);
        for (bool waiting = true; waiting;) {
            const bool low = lakeNearlyEmpty(lake, plan.rule);
            waiting = false;
            for (std::size_t w = v; w < kVariantCount; ++w) {
                if (done[w] || plan.strategies[w].marked != marked) continue;
                done[w] = low || lake.hauls >= plan.strategies[w].hauls;
                if (done[w]) lakes[w] = lake;
                waiting = waiting || !done[w];
            }
            if (waiting) drawRecaptureHaul(lake, hauls, plan.rule);
        }
    }
}

}  // namespace

std::array<Strategy, kVariantCount> variantsOf(const EstimateMade& made) {
    const Strategy student{made.state.marked, made.recaptureHauls};
    return {student, Strategy{std::min(2 * student.marked, made.state.trueSize), student.hauls},
            Strategy{student.marked, 2 * student.hauls}};
}

ExperimentBlock repeatStrategies(const RepetitionPlan& plan, RandomSource& random,
                                 std::vector<RepetitionRecord>* records) {
    ExperimentBlock block{plan.rule, {}, {}, {}};
    int mostHauls = 0;
    for (std::size_t v = 0; v < kVariantCount; ++v) {
        block.outcomes[v].strategy = plan.strategies[v];
        mostHauls = std::max(mostHauls, plan.strategies[v].hauls);
    }
    // Every repetition takes the same number of draws, so that another rule run on the same stream meets the same
    // catches.
    std::vector<double> draws(at(kDrawsPerHaul * mostHauls));
    std::array<SimulationState, kVariantCount> lakes;
    for (int r = 0; r < plan.repetitions; ++r) {
        for (double& d : draws) d = random.draw();
        hauledLakes(plan, draws, lakes);
        for (std::size_t v = 0; v < kVariantCount; ++v) {
            StrategyOutcome& o = block.outcomes[v];
            SimulationState& lake = lakes[v];
            o.meanHauls += lake.hauls;
            const bool estimated = applyEstimate(lake);
            if (records)
                records->push_back({r + 1, Variant(v), lake.hauls, lake.recaptured, lake.markedRecaptured,
                                    estimated ? std::optional(lake.estimate) : std::nullopt});
            if (!estimated) {
                ++o.withoutEstimate;
                continue;
            }
            o.meanMarkedRecaptured += lake.markedRecaptured;
            o.estimates.push_back(lake.estimate);
            ++o.verdicts[at(verdictFor(percentError(lake.estimate, lake.trueSize)))];
        }
    }
    for (StrategyOutcome& o : block.outcomes) summarise(o, plan.repetitions);
    return block;
}

std::uint64_t exerciseSeed(const EstimateMade& made, RecaptureRule rule) {
    // FNV-1a over the bits of every quantity: the same on every platform that has IEEE doubles.
    constexpr std::uint64_t kOffset = 14695981039346656037ULL;
    constexpr std::uint64_t kPrime = 1099511628211ULL;
    constexpr int kByte = 8;
    std::uint64_t hash = kOffset;
    const SimulationState& s = made.state;
    const double quantities[] = {s.hauls,
                                 s.caught,
                                 s.marked,
                                 s.recaptured,
                                 s.markedRecaptured,
                                 s.markedShare,
                                 s.trueSize,
                                 s.estimate,
                                 static_cast<double>(made.recaptureHauls),
                                 static_cast<double>(rule.fishByFish),
                                 static_cast<double>(rule.trick)};
    for (double q : quantities) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &q, sizeof bits);
        for (int shift = 0; shift < 64; shift += kByte) hash = (hash ^ ((bits >> shift) & 0xFF)) * kPrime;
    }
    return hash;
}

RepeatedExperiment repeatExercise(const EstimateMade& made, RecaptureRule rule,
                                  std::vector<std::vector<RepetitionRecord>>* records) {
    RepeatedExperiment experiment;
    experiment.trueSize = made.state.trueSize;
    experiment.studentEstimate = made.state.estimate;
    experiment.caught = made.state.caught;
    const auto strategies = variantsOf(made);
    // Beside the exercise's own rule: a real lake, fish by fish, when the exercise did not fish so; the same lake
    // without its trick when it had one.
    std::vector<RecaptureRule> rules{rule};
    if (rule != kFishByFish) rules.push_back(kFishByFish);
    if (records) records->resize(rules.size());
    for (std::size_t b = 0; b < rules.size(); ++b) {
        FixedSeed seed(exerciseSeed(made, rule));  // the same draws for every block
        SeededRandomSource random(seed);
        experiment.blocks.push_back(
            repeatStrategies({experiment.trueSize, strategies, rules[b]}, random, records ? &(*records)[b] : nullptr));
    }
    experiment.histogram = histogramOf(experiment);
    for (ExperimentBlock& block : experiment.blocks) countBins(block, experiment.histogram);
    return experiment;
}

}  // namespace ricattura
