// Starts two programs in turn under the X server in DISPLAY and measures, for each start, the time
// from exec to its first top-level window being mapped, and its peak resident memory at that moment.
#include <xcb/xcb.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double milliseconds;
    double peakMiB;
};

double peakResidentMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return 0;
}

bool startAndMeasure(xcb_connection_t* x, const std::string& program, Sample& sample) {
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0) return false;
    constexpr auto kPatience = std::chrono::seconds(20);
    bool mapped = false;
    while (!mapped && Clock::now() - start < kPatience) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(x), &std::free);
        if (!event) {
            if (xcb_connection_has_error(x)) break;
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) return false;  // died before showing a window
            usleep(200);
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            mapped = !map->override_redirect;
        }
    }
    const auto end = Clock::now();
    if (mapped) sample = {std::chrono::duration<double, std::milli>(end - start).count(), peakResidentMiB(pid)};
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return mapped;
}

template <typename F>
double median(const std::vector<Sample>& samples, F field) {
    std::vector<double> values;
    for (const Sample& s : samples) values.push_back(field(s));
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM REFERENCE\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string programs[2] = {argv[2], argv[3]};
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "error: cannot connect to the X server in DISPLAY\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    std::vector<Sample> samples[2];
    for (int round = 0; round < runs; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            const int which = (round + turn) % 2;  // alternate which goes first
            Sample sample{};
            if (!startAndMeasure(x, programs[which], sample)) {
                std::fprintf(stderr, "error: %s showed no window\n", programs[which].c_str());
                return 1;
            }
            samples[which].push_back(sample);
        }
    }
    xcb_disconnect(x);

    auto ms = [](const Sample& s) { return s.milliseconds; };
    auto mib = [](const Sample& s) { return s.peakMiB; };
    const double programMs = median(samples[0], ms), referenceMs = median(samples[1], ms);
    const double programMiB = median(samples[0], mib), referenceMiB = median(samples[1], mib);
    std::printf("%d starts each, medians\n", runs);
    std::printf("%-12s %10s %12s\n", "", "to map", "peak RSS");
    std::printf("%-12s %7.1f ms %8.1f MiB\n", "ricattura", programMs, programMiB);
    std::printf("%-12s %7.1f ms %8.1f MiB\n", "reference", referenceMs, referenceMiB);
    std::printf("%-12s %9.3f %12.3f\n", "ratio", programMs / referenceMs, programMiB / referenceMiB);
    std::printf("goal: time ratio <= 1.15 and memory ratio <= 1.07: %s\n",
                programMs / referenceMs <= 1.15 && programMiB / referenceMiB <= 1.07 ? "met" : "NOT met");
    return 0;
}
