// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

class QWidget;

namespace quindle {

// Once window has been painted for the first time, and the pupil sees it, loads the modules
// that the first cue and the first print need (program_modules.h), so that neither waits for
// them. A module that cannot be loaded is named on standard error, with why.
void loadModulesOnceShown(QWidget *window);

} // namespace quindle
