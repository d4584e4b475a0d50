#pragma once
// Showing a screen modally: the screen appears and becomes active, every other window of the
// program is blocked, and the caller waits, with events processed, until the screen is closed.
// Closing only hides a screen: it keeps its tables, its data and its place. Modal showings nest.

class QWidget;

// Shows `screen` application-modal and returns once it has been hidden; the window that was
// active before is then activated again. The first showing centres the screen on its display,
// unless the screen placed itself (called move() before it was first shown); later showings
// leave it where it was.
void showModal(QWidget* screen);

// Shows a top-level window in the middle of its display's available area. It is placed before
// it appears and once more when it is up, when the size of its frame is known.
void showCentred(QWidget* window);
