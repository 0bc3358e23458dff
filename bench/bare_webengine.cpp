// A bare Qt WebEngine window: the engine alone, maximised, opening the
// program's start address. The floor the program is measured against.
//
//   bench_bare_webengine               the engine's default profile (in memory)
//   bench_bare_webengine --persistent  a named profile on disk, as the program has
#include <QApplication>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <cstring>
#include <memory>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const bool persistent = argc > 1 && std::strcmp(argv[1], "--persistent") == 0;
    std::unique_ptr<QWebEngineProfile> profile;
    if (persistent)
        profile = std::make_unique<QWebEngineProfile>(QStringLiteral("bench"));
    {
        QWebEngineView view;
        std::unique_ptr<QWebEnginePage> page;
        if (profile) {
            page = std::make_unique<QWebEnginePage>(profile.get());
            view.setPage(page.get());
        }
        view.load(QUrl(QStringLiteral(DAIXI_START_URL)));
        view.showMaximized();
        const int code = app.exec();
        view.setPage(nullptr);
        return code;
    }
}
