#include "show_modal.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace {

// Set on a screen once it has been shown modally, so that only its first showing places it.
constexpr char kShownBefore[] = "shownModallyBefore";

// Ends the local loop when the watched screen is hidden; a minimised screen is not hidden.
class HideWatcher : public QObject {
public:
    explicit HideWatcher(QEventLoop& loop) : loop_(loop) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && static_cast<QWidget*>(watched)->isHidden())
            loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

void centreOnScreen(QWidget* window) {
    QScreen* display = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!display) return;
    QRect frame(QPoint(), window->frameGeometry().size());
    frame.moveCenter(display->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace

void showCentred(QWidget* window) {
    centreOnScreen(window);
    window->show();
    centreOnScreen(window);
}

void showModal(QWidget* screen) {
    QPointer<QWidget> previouslyActive = QApplication::activeWindow();
    QPointer<QWidget> shown = screen;

    const bool centre = !screen->property(kShownBefore).toBool() &&
                        !screen->testAttribute(Qt::WA_Moved);
    screen->setProperty(kShownBefore, true);

    QEventLoop loop;
    HideWatcher watcher(loop);
    screen->installEventFilter(&watcher);
    QObject::connect(screen, &QObject::destroyed, &loop, &QEventLoop::quit);

    screen->setWindowModality(Qt::ApplicationModal);
    if (centre) showCentred(screen);
    else screen->show();
    screen->raise();
    screen->activateWindow();
    if (!screen->isHidden()) loop.exec(QEventLoop::DialogExec);

    if (shown) {
        shown->removeEventFilter(&watcher);
        if (shown->isHidden()) shown->setWindowModality(Qt::NonModal);
    }
    if (previouslyActive) previouslyActive->activateWindow();
}
