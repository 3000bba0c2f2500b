// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

namespace quindle {

// The program's name, version and desktop entry, for the command line, the window system and
// the desktop. No display name is set: Qt would append it to every window's title, and each
// window's title bar shows its own caption alone.
void identifyProgram();

} // namespace quindle
