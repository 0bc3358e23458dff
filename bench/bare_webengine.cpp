// A bare Qt WebEngine window: the engine alone, maximised, opening the
// program's start address. The floor the program is measured against.
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QWebEngineView view;
    view.load(QUrl(QStringLiteral(DAIXI_START_URL)));
    view.showMaximized();
    return app.exec();
}
