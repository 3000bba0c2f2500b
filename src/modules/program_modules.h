// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Parts of the program that need a large library the first window does not (Qt Multimedia for
// the sound cues; Qt Print Support and Qt SVG for printing and SVG files) are built as modules
// of their own, so that the program starts without loading those libraries and the many they
// bring with them. A module is loaded the first time it is needed, or, to spare the first cue
// or print the wait, once the first window is on the screen.
//
// A module has one entry point, a function without arguments that returns the module's one
// object. It is looked for in the program's module folder (lib/quindle beside bin, as
// installed), then beside the program (as built), then where the dynamic linker looks for the
// program's libraries (a test built with the modules).

#include <QString>
#include <QStringList>

namespace quindle {

// The object that module's (its library's base name: "quindle_sound_output") entry point
// returns, made once; null, with why in error, when the module cannot be loaded. A failure is
// remembered as well: the module is looked for once.
[[nodiscard]] void *moduleObject(const char *module, const char *entry, QString *error = nullptr);

template<class T>
[[nodiscard]] T *loadModule(const char *module, const char *entry, QString *error = nullptr)
{
    return static_cast<T *>(moduleObject(module, entry, error));
}

// Where the modules are looked for, in this order.
[[nodiscard]] QStringList moduleDirectories();

} // namespace quindle
