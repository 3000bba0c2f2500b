// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The streaks window: the same result several times in a row, in the pupil's run or in a class's
// runs, beside what chance gives. Three tables: each outcome's and Coin1's longest streak, what
// came after k of the same in a row (nothing is ever "due": the next trial repeats as often as
// ever), and a sequence the pupil invents and types, measured against real ones of its length
// and against Coin1's own faces. It follows the runs as they grow. It is the program's own window:
// it can be resized and zoomed, and its tables are read cell by cell with their headers.

#include "experiment/outcome.h"
#include "experiment/streak_tables.h"
#include "experiment/typed_faces.h"
#include "windows/layout/window_place.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class QLabel;
class QLayout;
class QLineEdit;
class QPaintDevice;
class QStandardItemModel;
class QTableView;
class QTextDocument;
class QTimer;

namespace quindle {

class Announcer;
class ZoomControl;

class StreaksWindow : public QWidget
{
    Q_OBJECT
public:
    // Whose streaks: the pupil's run, or a class's runs (which streaks never cross).
    enum class Scope { Run, Class };
    // The runs' trial logs, valid until control returns to the event loop, and how many runs
    // were left out because their files keep no order of the trials.
    struct Runs
    {
        std::vector<std::span<const LoggedTrial>> logs;
        long long withoutOrder = 0;
    };
    using Source = std::function<Runs()>;

    // Opens beside `beside` where the screen has room; reads the runs from source now and
    // every few moments while it is shown.
    StreaksWindow(Scope scope, Source source, const QWidget *beside = nullptr);
    ~StreaksWindow() override;

    void setZoom(int zoom);
    // Reads the runs again and shows them, if they changed.
    void refresh();

    // The tables as text, a tab between the cells, for a spreadsheet (Copy).
    [[nodiscard]] QString tablesText() const;
    // The tables as a document, for a printer.
    [[nodiscard]] std::unique_ptr<QTextDocument> tablesDocument() const;
    // What Read streaks says: the longest streak of the outcomes against chance, and what the
    // next trial did after a few of the same outcome in a row.
    [[nodiscard]] QString summary() const;

signals:
    // The pupil asked for all windows at this zoom.
    void zoomChosen(int zoom);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildControls();
    // The three parts, each in a layout of its own that arrange() places.
    [[nodiscard]] QLayout *buildLongestPart(QWidget *content);
    [[nodiscard]] QLayout *buildSequencePart(QWidget *content);
    [[nodiscard]] QLayout *buildAfterPart(QWidget *content);
    void buildContextMenu();
    void showTables();
    void showLongest();
    void showAfter();
    void checkTypedSequence();
    void showSequence(const SequenceCheck &check);
    void fitTables();
    [[nodiscard]] int tablesWidth(bool sideBySide) const;
    void arrange(bool sideBySide);
    // The window's least size at 100 %: its design size, or as wide as its tables take in the
    // pupil's language, arranged for the screen.
    [[nodiscard]] WindowSpec place();
    // Coin1's first `length` faces in the first run that has as many, or none.
    [[nodiscard]] std::optional<std::vector<Result>> coin1Faces(std::size_t length) const;

    Scope m_scope;
    Source m_source;
    std::vector<LoggedTrials> m_logs; // what the tables show, copied
    long long m_withoutOrder = -1;    // -1 before the first reading
    StreakTables m_tables;
    QWidget *m_content = nullptr; // what the window scrolls
    QLayout *m_sequencePart = nullptr;
    QLayout *m_afterPart = nullptr;
    bool m_sideBySide = true;
    QLabel *m_scopeLabel = nullptr;
    QStandardItemModel *m_longest = nullptr;
    QStandardItemModel *m_after = nullptr;
    QStandardItemModel *m_sequence = nullptr;
    QTableView *m_longestView = nullptr;
    QTableView *m_afterView = nullptr;
    QTableView *m_sequenceView = nullptr;
    QLineEdit *m_typed = nullptr;
    QLabel *m_typedState = nullptr;
    Announcer *m_announcer = nullptr;
    ZoomControl *m_zoom = nullptr;
    int m_zoomPercent = 100;
    int m_placedWidth = 0; // the least width the window was last given, at 100 %
    QTimer *m_timer = nullptr;
};

} // namespace quindle
