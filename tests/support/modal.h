#pragma once
// Answering modal boxes in tests by pressing their real buttons: a timer waits for the next
// modal widget, hands it to a callback, and the callback presses what it wants.

#include <QString>
#include <functional>

class QWidget;
class QMessageBox;

namespace testing_support {

// Calls `answer` with the next active modal widget (polls every 10 ms, up to 5 s).
void whenModal(std::function<void(QWidget*)> answer);

// What the last message box answered by answerMessageBox showed.
struct SeenBox {
    QString title, text;
    int icon = 0;  // QMessageBox::Icon
    bool seen = false;
};

// Presses the box's button whose text is `buttonText` ("OK", "Cancel"), or closes the box
// when buttonText is empty; records what the box showed in `seen`.
void answerMessageBox(SeenBox& seen, const QString& buttonText = "OK");

}  // namespace testing_support
