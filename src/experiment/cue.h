// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// A sound cue: one fixed sequence of writes to a device that has a command property and a
// file-name property. The device decides what the commands mean; playCue only guarantees the
// order, and returns as soon as the last command has been given.

#include <string_view>

namespace quindle {

// What a cue device is told to do: stop what plays, release what is open, open the file named
// last, start playing what is open.
enum class CueCommand { Stop, Close, Open, Sound };

class CueDevice
{
public:
    virtual ~CueDevice() = default;
    virtual void setCommand(CueCommand command) = 0;
    virtual void setFileName(std::string_view fileName) = 0;
};

// Stops and closes whatever played before, then opens the named wave file and starts it.
void playCue(CueDevice &device, std::string_view fileName);

// Init and Help chime with the first, Exit with the second.
inline constexpr std::string_view kChimeCue = "pinpon.wav";
inline constexpr std::string_view kExitCue = "endpinpon.wav";

} // namespace quindle
