// The yardstick for start-up: a Qt Widgets program with a main window, one menu and one label.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.menuBar()
        ->addMenu(QStringLiteral("&File"))
        ->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.setCentralWidget(new QLabel(QStringLiteral("A minimal Qt Widgets program.")));
    window.resize(520, 380);
    window.show();
    return QApplication::exec();
}
