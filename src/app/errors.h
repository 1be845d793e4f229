// The one place where an error that abandons an operation becomes a message
// box with its text; the program then goes on.
#pragma once

#include <QString>
#include <functional>

class QWidget;

void showErrorMessage(const QString& text);

// Runs the action; an exception it throws is shown and swallowed. Returns
// false when the action was abandoned.
bool runReportingErrors(const std::function<void()>& action);
