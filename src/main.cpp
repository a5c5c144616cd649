#include "control/exercise_controller.h"
#include "core/seeded_random_source.h"
#include "core/launch_options.h"
#include "window/exercise_window.h"

#include <QApplication>
#include <QByteArray>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

constexpr int kExitNoDisplay = 1;
constexpr int kExitBadArguments = 2;

constexpr const char* kNoDisplay =
    "ricattura: nessuno schermo disponibile; avvia il programma da una sessione grafica.\n";

bool displayReachable() {
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}

// What Qt says while it opens the display, held back until it is known whether it could.
QStringList& heldMessages() {
    static QStringList held;
    return held;
}

// Qt ends the process when the display it was given cannot be opened: say so in the program's
// own language and with the program's own status instead.
void holdUnlessFatal(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        heldMessages() << message;
        return;
    }
    std::fputs(kNoDisplay, stderr);
    std::_Exit(kExitNoDisplay);
}

}  // namespace

int main(int argc, char* argv[]) {
    using ricattura::LaunchOptions;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const LaunchOptions options = ricattura::parseCommandLine(args);
    switch (options.action) {
        case LaunchOptions::Action::Refuse:
            std::fprintf(stderr, "%s\n", options.refusal.c_str());
            return kExitBadArguments;
        case LaunchOptions::Action::Help: std::fputs(ricattura::helpText(), stdout); return 0;
        case LaunchOptions::Action::Version: std::puts("ricattura " RICATTURA_VERSION); return 0;
        case LaunchOptions::Action::Run: break;
    }
    if (!displayReachable()) {
        std::fputs(kNoDisplay, stderr);
        return kExitNoDisplay;
    }

    // The whole window grows, layout and fonts alike, on top of any factor the desktop already asks for.
    if (options.scale != ricattura::kSmallestScale) {
        bool given = false;
        const double desktop = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&given);
        qputenv("QT_SCALE_FACTOR", QByteArray::number(options.scale * (given && desktop > 0 ? desktop : 1)));
    }

    // Qt gets no arguments of its own: every argument was checked above.
    int qtArgc = 1;
    const QtMessageHandler previous = qInstallMessageHandler(holdUnlessFatal);
    QApplication app(qtArgc, argv);
    qInstallMessageHandler(previous);
    for (const QString& message : heldMessages()) std::fprintf(stderr, "%s\n", qPrintable(message));

    const auto seeds = ricattura::makeSeedSource(options.settings.code);
    ricattura::SeededRandomSource random(*seeds);
    ricattura::ExerciseWindow form(ricattura::windowTitle(options.settings));
    ricattura::ExerciseController controller(
        form, random, [] { QApplication::quit(); }, ricattura::recaptureRule(options.settings));
    form.setClickHandler([&controller](ricattura::Button b) { controller.click(b); });
    form.show();
    controller.start();
    return QApplication::exec();
}
