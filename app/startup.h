#pragma once
// The six screens of the program. They come into being hidden, in the fixed start-up order
// Form1, Form5, Form3, Form2, Form4, Form6, each followed by its creation handler (which opens
// its tables), and they are destroyed together, which closes their tables and discards any
// record left in editing. Each screen is reached through its global instance meanwhile.

#include <memory>

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;

class Screens {
public:
    // A creation handler that fails is reported in the error box; its remaining statements are
    // skipped and the start-up goes on with the next screen.
    Screens();
    ~Screens();
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    TForm1& mainWindow() const { return *form1_; }

private:
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm5> form5_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<TForm6> form6_;
};

// Shows the main menu centred on its display and active.
void showMainWindow(TForm1& mainMenu);
