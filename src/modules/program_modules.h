// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Parts of the program that need a large library the first window does not (Qt Multimedia for
// the sound cues; Qt Print Support and Qt SVG for printing and SVG files) are built as Qt
// plugins of their own, so that the program starts without loading those libraries and the
// many they bring with them. A module is loaded the first time it is needed, or, to spare the
// first cue or print the wait, once the first window is on the screen.
//
// A module's plugin object implements one interface, declared with Q_DECLARE_INTERFACE beside
// it. The module is looked for in the program's module folder (lib/quindle beside bin, as
// installed), then beside the program (as built), then in the folders added with
// addModuleDirectory (tests and tools built with the modules run from other folders).

#include <QObject>
#include <QString>
#include <QStringList>

namespace quindle {

// The plugin object of the module (its library's base name: "quindle_sound_output"), made
// once; null, with why in error, when the module cannot be loaded. A failure is remembered as
// well: the module is looked for once.
[[nodiscard]] QObject *moduleInstance(const char *module, QString *error = nullptr);

// Why module's plugin object is not the one that was looked for.
[[nodiscard]] QString notTheModuleWanted(const char *module, const char *interfaceId);

// The module's interface T; null, with why in error, when the module cannot be loaded or does
// not implement T.
template<class T> [[nodiscard]] T *loadModule(const char *module, QString *error = nullptr)
{
    QObject *instance = moduleInstance(module, error);
    T *object = qobject_cast<T *>(instance);
    if (instance && !object && error)
        *error = notTheModuleWanted(module, qobject_interface_iid<T *>());
    return object;
}

// Where the modules are looked for, in this order.
[[nodiscard]] QStringList moduleDirectories();

// Adds a folder to look in after the program's own.
void addModuleDirectory(const QString &directory);

} // namespace quindle
