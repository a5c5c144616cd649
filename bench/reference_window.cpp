// The least any Qt window showing text pays at start-up: the program's window size, one label,
// the program's font. The start-up benchmark measures the program against it.
#include "core/layout.h"
#include "window/form_font.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Riferimento"));
    const ricattura::PixelRect client = ricattura::toPixels(ricattura::kClientArea);
    window.setFixedSize(client.width, client.height);
    window.setFont(ricattura::formFont());
    QLabel label(QStringLiteral("Istruzioni"), &window);
    label.move(16, 8);
    window.show();
    return QApplication::exec();
}
