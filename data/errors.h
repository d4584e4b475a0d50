#pragma once
// Failures of the data layer. Messages are UTF-8 and reach the user through the error box.

#include <stdexcept>
#include <string>

#include <QString>

// A failure with a user-visible message (conversion, binding, required field).
class DataError : public std::runtime_error {
public:
    explicit DataError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The silent abort kind: the application drops it without a message.
class Abort : public std::exception {
public:
    const char* what() const noexcept override { return ""; }
};
