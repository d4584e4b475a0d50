#pragma once
// The running program: its title (taken from the program file's name), its font, the user's
// number and money settings kept current, and the six screens, which it owns from start-up
// until the main menu is closed.

#include <QApplication>
#include <memory>

class Screens;

// The program file's name without its folder, cut at its first '.', with every character
// after the first in lower case ("/opt/bin/NOTAFISCAL.EXE" gives "Notafiscal").
QString applicationTitle(const QString& programPath);

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    ~Application() override;

    // Creates the screens, shows the main menu and processes events until the main menu is
    // closed; then destroys the screens. Returns the event loop's exit code.
    int run();

protected:
    // On a change of the user's locale the number and money settings are read again before
    // the screens hear of it, and every window is repainted.
    bool event(QEvent* event) override;

private:
    std::unique_ptr<Screens> screens_;
};
