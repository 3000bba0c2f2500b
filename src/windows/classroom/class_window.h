// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The class window: every pupil's runs from a shared folder pooled in one table and two
// pictures, live. One row per pooled run and a last row for the class; below it the entries of
// the folder that were not pooled, each with its reason; then the funnel and the class curve
// (class_pictures.h). It follows the folder as files come, change and go (ClassFolder), never
// writes there, and keeps the keyboard's place on the same run when the table changes. It is the
// program's own window, not one of the design's: it can be resized and maximised (a teacher
// puts it on the projector full-screen), the table and the pictures growing with it.

#include "classroom/class_pool.h"

#include <QWidget>

#include <optional>

class QLabel;
class QListView;
class QPaintDevice;
class QTableView;

namespace quindle {

class Announcer;
class ClassFolder;
class ClassTableModel;
class DrawingSurface;
class Preferences;
class UnpooledModel;
class ZoomControl;

class ClassWindow : public QWidget
{
    Q_OBJECT
public:
    // Opens on the folder beside `beside` (the experiment window) where the screen has room.
    // The preferences give the folder a save dialog opens in, and note each save.
    ClassWindow(const QString &folder, Preferences &preferences, const QWidget *beside = nullptr);

    [[nodiscard]] const ClassFolder &folder() const { return *m_folder; }
    void setZoom(int zoom);

    // The class table as the window shows it, the words of files in English, each field quoted
    // as a spreadsheet needs it; the numbers as shown (Copy, for a spreadsheet in the pupil's
    // language) or in the plain form files keep.
    enum class NumberForm { Shown, Plain };
    [[nodiscard]] QString tableText(QChar separator, NumberForm form) const;
    // The CSV written to path, or both pictures side by side as a PNG; an empty string, or why
    // the file could not be written.
    QString saveTable(const QString &path) const;
    QString savePictures(const QString &path);
    // Both pictures as lines and text, as large as the page allows, under a caption.
    void printPictures(QPaintDevice &printer) const;
    // What a screen reader says on demand: the runs, the trials, each outcome's pooled ratio
    // (in the gap view with its pooled gap from a quarter), how many of the runs' ratios lie
    // inside the expected range, and whether the folder can be read. In the number-of-heads
    // view, the pooled shares of two, one and no heads instead, and how many runs' shares of
    // one head lie inside their range.
    [[nodiscard]] QString summary() const;

signals:
    // The pupil asked for all windows at this zoom.
    void zoomChosen(int zoom);
    // The teacher asked for the streaks window on the class.
    void streaksRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Why an entry was not pooled, in a few words.
    static QString reason(const UnpooledFile &file);
    static QString entryReason(EntryKind kind);
    static QString inconsistencyReason(const ReadProblem &problem);
    // Read summary: a screen reader says summary().
    void readSummary();
    void showPool();
    void showFolderState();
    void drawPictures();
    void buildContextMenu();
    [[nodiscard]] QAction *makeGapViewAction();
    // The number of heads instead of the four outcomes (class_window_heads.cpp).
    [[nodiscard]] QAction *makeHeadsViewAction();
    [[nodiscard]] static QString headsCurveDescription();
    [[nodiscard]] static QString headsFunnelDescription();
    [[nodiscard]] QString headsSummary(const ClassPool &pool) const;
    void showView();
    void fitToSize();
    void placeColumns();
    [[nodiscard]] QImage pictures();

    ClassFolder *m_folder;
    Preferences &m_preferences;
    ClassTableModel *m_runs;
    UnpooledModel *m_unpooledFiles;
    QTableView *m_table;
    QListView *m_unpooled;
    DrawingSurface *m_funnel;
    DrawingSurface *m_curve;
    QLabel *m_folderState = nullptr;
    Announcer *m_announcer;
    ZoomControl *m_zoom = nullptr;
    int m_zoomPercent = 100;
    std::optional<QSize> m_fitted; // the room beyond the design size the controls fill
    bool m_gapShown = false;       // the class curve shows the class's gaps from a quarter (Ctrl+D)
    bool m_headsShown = false;     // both pictures show the number of heads (Ctrl+H)
    struct
    {
        QString funnel, curve;
    } m_sharesDescriptions; // the pictures' descriptions for a screen reader outside both views
};

} // namespace quindle
