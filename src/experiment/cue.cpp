// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "experiment/cue.h"

namespace quindle {

void playCue(CueDevice &device, std::string_view fileName)
{
    // Stop and Close first, so every cue starts from a closed device and replaces one that
    // is still playing.
    device.setCommand(CueCommand::Stop);
    device.setCommand(CueCommand::Close);
    device.setFileName(fileName);
    device.setCommand(CueCommand::Open);
    device.setCommand(CueCommand::Sound);
}

} // namespace quindle
