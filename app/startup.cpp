#include "startup.h"

#include "add_item.h"
#include "engine_start_cursor.h"
#include "event_guard.h"
#include "notafiscal.h"
#include "pessoa.h"
#include "principal.h"
#include "produto.h"
#include "relatorio.h"
#include "show_modal.h"

namespace {

// Builds a screen, publishes it through its global instance (so that its creation handler
// and every other screen can already reach it) and runs its creation handler, if it has one.
template <class Screen>
std::unique_ptr<Screen> createScreen(Screen*& instance) {
    auto screen = std::make_unique<Screen>();
    instance = screen.get();
    if constexpr (requires { screen->FormCreate(); }) {
        guarded([&] {
            EngineStartCursor waitWhileEngineStarts;
            screen->FormCreate();
        });
    }
    return screen;
}

template <class Screen>
void destroyScreen(std::unique_ptr<Screen>& screen, Screen*& instance) {
    screen.reset();
    instance = nullptr;
}

}  // namespace

Screens::Screens()
    : form1_(createScreen(Form1)),
      form5_(createScreen(Form5)),
      form3_(createScreen(Form3)),
      form2_(createScreen(Form2)),
      form4_(createScreen(Form4)),
      form6_(createScreen(Form6)) {}

Screens::~Screens() {
    destroyScreen(form6_, Form6);
    destroyScreen(form4_, Form4);
    destroyScreen(form2_, Form2);
    destroyScreen(form3_, Form3);
    destroyScreen(form5_, Form5);
    destroyScreen(form1_, Form1);
}

void showMainWindow(TForm1& mainMenu) {
    showCentred(&mainMenu);
    mainMenu.raise();
    mainMenu.activateWindow();
}
