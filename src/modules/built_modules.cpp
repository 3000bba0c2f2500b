// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Linked into the tests, benchmarks and tools that use the modules as built: they run from
// folders of their own, so the modules' build folder is added to where modules are looked for.

#include "modules/program_modules.h"

namespace {

[[maybe_unused]] const bool added = [] {
    quindle::addModuleDirectory(QStringLiteral(QUINDLE_BUILT_MODULE_DIR));
    return true;
}();

} // namespace
