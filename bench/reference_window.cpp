// The least any Qt window showing text pays at start-up: the program's window size, one label,
// the program's font. The start-up benchmark measures the program against it.
#include "window/form_font.h"
#include "window/layout.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Riferimento"));
    window.setFixedSize(ricattura::toPixels(ricattura::kClientArea).size());
    window.setFont(ricattura::formFont());
    QLabel label(QStringLiteral("Istruzioni"), &window);
    label.move(16, 8);
    window.show();
    return QApplication::exec();
}
