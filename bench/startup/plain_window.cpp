// The yardstick of the start-up measure: a plain Qt Widgets program that
// shows an 800 x 600 window and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Plain window"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
