#pragma once
// Failures of the report: a run that cannot read its rows, a report file that cannot be read
// or written, a printer that cannot be used. The message is for the user.

#include <QString>
#include <stdexcept>

namespace report {

class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

}  // namespace report
