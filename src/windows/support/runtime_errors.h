// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The experiment raises its run-time errors (overflow, subscript out of range) as exceptions.
// They must never cross the Qt event loop: every handler a window runs goes through guarded(),
// which turns an escaping error into one report to the pupil, after which the program ends
// cleanly with exit code 1. Handlers that come due while the report is up do nothing.

#include <QString>

#include <functional>

namespace quindle {

// Receives the text of an error; the default shows it in a message box and ends the program.
using ErrorReporter = std::function<void(const QString &message)>;
void setErrorReporter(ErrorReporter reporter); // an empty one restores the default

// Runs handler, reporting what escapes it. Returns false when it did not run to completion.
bool guarded(const std::function<void()> &handler);

// True once an error has been reported: the program is on its way out.
[[nodiscard]] bool hasFailed();
// Forgets an earlier failure (for tests that provoke errors on purpose).
void resetFailure();

} // namespace quindle
