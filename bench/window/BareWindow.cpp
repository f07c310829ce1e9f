// The yardstick for the desktop program's start: a Qt 6 main window with nothing in it.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(555, 663);
    window.show();
    return QApplication::exec();
}
