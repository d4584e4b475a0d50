// The program: start-up, the main menu's event loop, and the end when the main menu closes.
#include "application.h"

int main(int argc, char** argv) {
    Application application(argc, argv);
    return application.run();
}
