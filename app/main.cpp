#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fonkel"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Fonkel"));
    window.setCentralWidget(new QLabel(QStringLiteral("Fonkel"), &window));
    window.show();
    return app.exec();
}
