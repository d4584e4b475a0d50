#pragma once
// The one way a failure reaches the user: a stop box with the application title as caption,
// the failure's message (with a full stop added where it lacks one) and a single OK button.

#include <QString>
#include <exception>

// The message as the box shows it: a full stop is appended when the message is not empty and
// its last character's code is greater than that of '.' (so letters, digits, ':' and '?' get
// one; '.', ' ', '!', ')' and ',' do not).
QString withFullStop(const QString& message);

// Shows the box application-modal and returns when OK is pressed; the window that was active
// before is activated again.
void showErrorBox(const QString& message);

// Reports a failure that left an event handler: releases any mouse grab, drops the silent
// Abort, and shows every other failure in the error box.
void reportException(std::exception_ptr failure);
