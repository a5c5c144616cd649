#include "control/clock_random_source.h"
#include "control/exercise_controller.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ricattura::SteadyClock clock;
    ricattura::ClockRandomSource random(clock);
    ricattura::Form1 form;
    ricattura::ExerciseController controller(form, random, [] { QApplication::quit(); });
    form.setClickHandler([&controller](ricattura::Button b) { controller.click(b); });
    form.show();
    controller.start();
    return QApplication::exec();
}
