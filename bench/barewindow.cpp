// The floor Quintavel's start-up is measured against: a bare Qt Widgets window of the main
// window's size, a menu bar over a 496 x 241 client area, and nothing else. bench/mapstartup.py
// starts it beside the program.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    auto *client = new QWidget;
    client->setFixedSize(496, 241);
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
