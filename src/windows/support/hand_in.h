// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The name a pupil's results file is handed in under: the pupil's name and the moment, so that
// thirty pupils saving into one class folder never meet each other's files, in a form every
// file system a school uses takes (USB sticks with FAT, SMB shares).

#include <QString>

class QDateTime;

namespace quindle {

// The account's full name from the system's user database (the first comma-separated part of
// the GECOS field), or the login name where there is none.
[[nodiscard]] QString pupilName();
// The same from a GECOS field and a login name, whichever first leaves something to name a
// file with.
[[nodiscard]] QString fullNameOf(const QString &gecos, const QString &login);

// text made safe as part of a file name: none of \ / : * ? " < > |, no control characters,
// no leading dot or tilde (hidden files and office lock files), no trailing dot or blank, runs
// of blanks as one, letters of any script kept, and short enough for the name to fit.
[[nodiscard]] QString fileNamePart(const QString &text);

// "Anna Smith 2026-12-07 09-14-05.csv": the pupil and the local date and time to the second.
[[nodiscard]] QString resultsFileName(const QString &pupil, const QDateTime &moment);

} // namespace quindle
