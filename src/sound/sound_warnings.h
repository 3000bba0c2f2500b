// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QtGlobal>

namespace quindle {

// Qt Multimedia reports a missing audio server, a missing device or an unreadable wave file
// in several lines, again for every cue. The program says it once, in one line of its own:
// this handler passes every other message on unchanged.
void installSoundWarningFilter();

// Says once per program run, in one line on standard error, that cues are silent, and why
// when it is known.
void reportSilentCues(const QString &why = {});

// Whether a message is one of Qt Multimedia's reports about sound output or a cue's file.
[[nodiscard]] bool isSoundOutputMessage(const QString &message);

} // namespace quindle
