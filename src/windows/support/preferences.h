// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The program's preferences for its whole run, held once: what the school set up, what the pupil
// chose, and the folders files go to. The program owns them and hands them to the windows that
// read or change them; each change is told by its own signal, once, and only when the value
// differs. The settings (app/settings.h) fill them in at start and remember some of the changes
// the pupil makes.

#include "experiment/pace.h"
#include "windows/controls/zoom.h"

#include <QObject>
#include <QString>

namespace quindle {

// Who set a value: the start (the settings files or the command line, for this run: nothing to
// remember) or the pupil while the program runs.
enum class SetBy { Start, Pupil };

// What the graph window's picture shows: each outcome's ratio (the plot), each count's gap from a
// quarter of the trials, or the shares of two, one and no heads. One at a time.
enum class GraphView { Ratios, GapsFromQuarter, NumberOfHeads };

// A folder's path as the program holds it: absolute (a relative one from the working folder),
// without "." or ".." parts or a trailing slash. An empty path stays empty.
[[nodiscard]] QString folderPath(const QString &folder);

class Preferences final : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Every window's size, in percent of its design size.
    [[nodiscard]] int zoom() const { return m_zoom; }
    void setZoom(int zoom, SetBy by = SetBy::Pupil);
    // How fast a run goes, as chosen last.
    [[nodiscard]] Pace pace() const { return m_pace; }
    void setPace(Pace pace);
    // The graph window's choices: whether it shows the expected range, and which view.
    [[nodiscard]] bool expectedRangeShown() const { return m_expectedRange; }
    void setExpectedRangeShown(bool shown);
    [[nodiscard]] GraphView graphView() const { return m_graphView; }
    void setGraphView(GraphView view);

    // The class folder a school set up (or --class named): where runs are handed in and what
    // Class results… opens. Empty when there is none. Setting it clears classFolderFailed().
    [[nodiscard]] const QString &classFolder() const { return m_classFolder; }
    void setClassFolder(const QString &folder);
    // Whether folder is the class folder, under whatever path leads to it.
    [[nodiscard]] bool isClassFolder(const QString &folder) const;
    // Not a choice but what this run found: the last write into the class folder failed, and
    // none has succeeded since. Save results… then offers the Documents folder instead.
    [[nodiscard]] bool classFolderFailed() const { return m_classFolderFailed; }

    // The folder saved into last, other than the class folder; empty when none is known.
    [[nodiscard]] const QString &lastFolder() const { return m_lastFolder; }
    void setLastFolder(const QString &folder, SetBy by = SetBy::Pupil);
    // The folder last chosen in Class results…'s dialog; empty until one is.
    [[nodiscard]] const QString &classResultsFolder() const { return m_classResultsFolder; }
    void setClassResultsFolder(const QString &folder);
    // Where that dialog opens: the folder chosen in it last, else dialogFolder().
    [[nodiscard]] QString classResultsDialogFolder() const;

    // A file was written into folder, or could not be (ok false): the class folder's failure
    // is noted, and any other folder saved into becomes the last folder.
    void noteWrite(const QString &folder, bool ok);
    // Where a save dialog opens: the folder saved into last, while it is there, else Documents.
    [[nodiscard]] QString dialogFolder() const;
    // The user's Documents folder, or home where there is none.
    [[nodiscard]] static QString documents();

signals:
    void zoomChanged(int zoom, quindle::SetBy by);
    void paceChanged(quindle::Pace pace);
    void expectedRangeShownChanged(bool shown);
    void graphViewChanged(quindle::GraphView view);
    void classFolderChanged(const QString &folder);
    void lastFolderChanged(const QString &folder, quindle::SetBy by);
    void classResultsFolderChanged(const QString &folder);

private:
    int m_zoom = kDesignZoom;
    Pace m_pace = Pace::AsDesigned;
    bool m_expectedRange = false;
    GraphView m_graphView = GraphView::Ratios;
    QString m_classFolder;
    bool m_classFolderFailed = false;
    QString m_lastFolder;
    QString m_classResultsFolder;
};

} // namespace quindle
