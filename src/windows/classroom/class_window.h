#pragma once

// The class window: every pupil's runs from a shared folder pooled in one table and two
// pictures, live. One row per pooled run and a last row for the class; below it the files that
// were not pooled, each with its reason; then the funnel and the class curve (class_pictures.h).
// It follows the folder as files come, change and go (ClassFolder), and never writes there.

#include <QWidget>

class QListWidget;
class QPaintDevice;
class QStandardItemModel;
class QTableView;

namespace quindle {

class Announcer;
class ClassFolder;
class DrawingSurface;
class ZoomControl;
struct UnpooledFile;

class ClassWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ClassWindow(const QString &folder);

    [[nodiscard]] const ClassFolder &folder() const { return *m_folder; }
    void setZoom(int zoom);

    // The class table as the window shows it, the words of files in English: tab-separated
    // (Copy), or as CSV.
    [[nodiscard]] QString tableText(QChar separator) const;
    // The CSV written to path, or both pictures side by side as a PNG; an empty string, or why
    // the file could not be written.
    QString saveTable(const QString &path) const;
    QString savePictures(const QString &path);
    // Both pictures as lines and text, as large as the page allows, under a caption.
    void printPictures(QPaintDevice &printer) const;
    // What a screen reader says on demand: the runs, the trials, each outcome's pooled ratio,
    // and how many runs lie inside the expected range.
    [[nodiscard]] QString summary() const;

signals:
    // The pupil asked for all windows at this zoom.
    void zoomChosen(int zoom);

private:
    // Why a file was not pooled, in a few words.
    static QString reason(const UnpooledFile &file);
    void showPool();
    void buildContextMenu();
    void placeColumns();
    [[nodiscard]] QImage pictures();

    ClassFolder *m_folder;
    QStandardItemModel *m_model;
    QTableView *m_table;
    QListWidget *m_unpooled;
    DrawingSurface *m_funnel;
    DrawingSurface *m_curve;
    Announcer *m_announcer;
    ZoomControl *m_zoom = nullptr;
};

} // namespace quindle
