// orvanto: the calendar program.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("Orvanto 32");
    QWidget window;
    window.setWindowTitle("Orvanto 32");
    window.setFixedSize(356, 444);
    window.show();
    return app.exec();
}
