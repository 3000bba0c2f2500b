// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The steps of starting the program, in the order main() takes them: its identity, the command
// line over the settings, the answers to --help and --version, the guard over the platform's
// start, the seed, the settings in the preferences, and the modules loaded once a window shows.

#include "app/command_line.h"     // IWYU pragma: export
#include "app/module_preload.h"   // IWYU pragma: export
#include "app/platform_guard.h"   // IWYU pragma: export
#include "app/program_identity.h" // IWYU pragma: export
#include "app/seed_option.h"      // IWYU pragma: export
#include "app/settings_wiring.h"  // IWYU pragma: export
