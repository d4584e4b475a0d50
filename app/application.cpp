#include "application.h"

#include <QEvent>
#include <QFileInfo>

#include "locale_settings.h"
#include "principal.h"
#include "screen_font.h"
#include "startup.h"

QString applicationTitle(const QString& programPath) {
    const QString name = QFileInfo(programPath).fileName();
    const QString stem = name.left(name.indexOf(QLatin1Char('.')));
    return stem.left(1) + stem.mid(1).toLower();
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    const QString title = applicationTitle(argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString());
    setApplicationName(title);
    setApplicationDisplayName(title);
    setFont(screenFont());
    LocaleSettings::reload();
}

Application::~Application() = default;

int Application::run() {
    setQuitOnLastWindowClosed(false);
    screens_ = std::make_unique<Screens>();
    TForm1& mainMenu = screens_->mainWindow();
    connect(&mainMenu, &TForm1::closed, this, [] { QCoreApplication::exit(0); });
    showMainWindow(mainMenu);
    const int exitCode = exec();
    screens_.reset();
    return exitCode;
}

bool Application::event(QEvent* event) {
    if (event->type() != QEvent::LocaleChange) return QApplication::event(event);
    LocaleSettings::reload();
    const bool handled = QApplication::event(event);
    for (QWidget* window : topLevelWidgets()) window->update();
    return handled;
}
