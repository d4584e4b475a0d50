#pragma once
// Whether a key press types printable text into a control, as opposed to a shortcut, a
// movement or an editing key. Edits use it to decide which keys their field must accept.

class QKeyEvent;

bool isTypingKey(const QKeyEvent* event);
