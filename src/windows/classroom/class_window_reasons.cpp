// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Why a file or an entry of the class's folder is not pooled, in the words the class window
// shows after its name.

#include "windows/classroom/class_window.h"

#include "windows/support/numbers.h"

#include <QFile>
#include <QLocale>

namespace quindle {

QString ClassWindow::reason(const UnpooledFile &file)
{
    const ReadProblem &p = file.problem;
    switch (p.problem) {
    case Problem::Empty:
        //: Why a file of the class's folder is not pooled, after its name.
        return tr("empty");
    case Problem::TooLarge:
        //: %1 is the file's size in kilobytes.
        return tr("too large for a results file (%1 KB)").arg(QLocale().toString(p.found / 1024));
    case Problem::Binary:
        //: A file that holds something other than text (a picture, a document).
        return tr("not a text file");
    case Problem::Utf16:
        //: A text file saved in another encoding than results files are read in.
        return tr("text saved as UTF-16; results files are read as UTF-8");
    case Problem::OneByte:
        //: A text file saved in another encoding than results files are read in.
        return tr("text saved as Latin-1 (Windows-1252); results files are read as UTF-8");
    case Problem::NotResults:
        //: A text file that is not one Quindle saves (a note, another program's table).
        return tr("not a Quindle results file");
    case Problem::NewerVersion:
        //: A results file in a newer format than this program reads: %1 is its number.
        return p.found > 0 ? tr("saved by a newer Quindle (format %1)").arg(p.found)
                           //: A results file in a format newer than this program reads.
                           : tr("saved by a newer Quindle");
    case Problem::CutShort:
        if (p.section == Section::TrialLog)
            //: A file that ends early, in its list of trials: %1 the last trial in it, %2 the
            //: trials the run had.
            return tr("cut short after trial %1 of %2").arg(p.found).arg(p.expected);
        //: A file that ends early, before its list of trials.
        return tr("cut short before its end");
    case Problem::Duplicate:
        //: The same run as another file of the folder, which counts instead: %1 its name.
        return tr("a copy of %1")
            .arg(QFile::decodeName(QByteArray::fromStdString(file.duplicateOf)));
    case Problem::CannotOpen:
        //: %1 is the system's reason, such as "Permission denied".
        return tr("cannot be opened: %1").arg(qt_error_string(static_cast<int>(p.found)));
    case Problem::CannotRead:
    case Problem::OutOfMemory: {
        // Memory that ran out while the file was read is the system's reason too.
        const int error = p.problem == Problem::OutOfMemory ? ENOMEM : static_cast<int>(p.found);
        //: %1 is the system's reason, such as "Input/output error".
        return tr("cannot be read: %1").arg(qt_error_string(error));
    }
    case Problem::NotAFile:
        return entryReason(static_cast<EntryKind>(p.found));
    case Problem::TooDeep:
        //: A folder inside the class's folder too deep to be read: %n the levels that are.
        return tr("a folder more than %n level(s) down, not read", nullptr, kMaxFolderDepth);
    case Problem::Inconsistent:
        break;
    }
    return inconsistencyReason(p);
}

QString ClassWindow::inconsistencyReason(const ReadProblem &p)
{
    switch (p.inconsistency) {
    case Inconsistency::CountsNotAddingUp:
        //: %1 is the counts' sum, %n the number of trials the file states.
        return tr("inconsistent: the counts add up to %1, not %n trials", nullptr,
                  countInWords(p.expected))
            .arg(p.found);
    case Inconsistency::RatioMismatch:
        //: A file whose numbers do not agree with each other: %1 the line of the file.
        return tr("inconsistent: a ratio does not match its count (line %1)").arg(p.line);
    case Inconsistency::HistoryLength:
    case Inconsistency::HistoryNumbering:
    case Inconsistency::HistoryValue:
    case Inconsistency::HistoryFinalValue:
        //: The history is each outcome's share after each of its occurrences, kept for the graph;
        //: %1 is the line of the file.
        return tr("inconsistent: the history disagrees with the counts (line %1)").arg(p.line);
    case Inconsistency::HistoryAgainstLog:
        //: The history (each outcome's share after each of its occurrences) does not follow
        //: from the list of trials; %1 is the line of the file.
        return tr("inconsistent: the history disagrees with the trial log (line %1)").arg(p.line);
    case Inconsistency::LogNumbering:
    case Inconsistency::LogOutcome:
    case Inconsistency::LogTrials:
    case Inconsistency::LogTally:
        //: The trial log lists both coins' faces in every trial; %1 is the line of the file.
        return tr("inconsistent: the trial log disagrees with the counts (line %1)").arg(p.line);
    case Inconsistency::CountOutOfRange:
        if (p.found < 0)
            //: A file with a count below zero: %1 the line of the file.
            return tr("inconsistent: a negative count (line %1)").arg(p.line);
        //: A count above the 1000 at which a run ends: %1 the line of the file.
        return tr("inconsistent: a count larger than a run can have (line %1)").arg(p.line);
    case Inconsistency::TrialsOutOfRange:
        if (p.found < 0)
            //: A file whose number of trials is below zero: %1 the line of the file.
            return tr("inconsistent: a negative number of trials (line %1)").arg(p.line);
        //: A run ends once an outcome has come up more than 1000 times: this file has more.
        //: %1 is the line of the file.
        return tr("inconsistent: more trials than a run can have (line %1)").arg(p.line);
    case Inconsistency::UnreadableRow:
    case Inconsistency::None:
        break;
    }
    //: A line where a number or a word was expected and something else stands: %1 its number.
    return tr("inconsistent: line %1 cannot be read").arg(p.line);
}

QString ClassWindow::entryReason(EntryKind kind)
{
    switch (kind) {
    case EntryKind::Fifo:
        //: Why an entry of the class's folder is not read, after its name.
        return tr("a named pipe, not a file");
    case EntryKind::Socket:
        //: Why an entry of the class's folder is not read, after its name.
        return tr("a socket, not a file");
    case EntryKind::Device:
        //: Why an entry of the class's folder is not read, after its name.
        return tr("a device, not a file");
    case EntryKind::FolderLink:
        //: A symbolic link to a folder, which is not followed, after its name.
        return tr("a link to a folder, not followed");
    case EntryKind::MissingTarget:
        //: A symbolic link whose target does not exist, after its name.
        return tr("a link to something that is not there");
    case EntryKind::LinkLoop:
        //: Symbolic links that point at each other, after the name of one.
        return tr("links that lead round in a loop");
    case EntryKind::Other:
        break;
    }
    //: Why an entry of the class's folder is not read, after its name.
    return tr("not a regular file");
}

} // namespace quindle
