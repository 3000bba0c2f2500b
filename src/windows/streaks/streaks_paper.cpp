// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The streaks window's tables as text for the clipboard and as a document for a printer. The
// document is built cell by cell, never from markup, so no text in it is read as rich text.

#include "windows/streaks/streaks_window.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QTableView>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace quindle {

namespace {

// The tables the window shows, with their names, the measured sequence's only once it is shown.
template<class Visit> void forEachShownTable(const QList<QTableView *> &views, Visit &&visit)
{
    for (const QTableView *view : views) {
        if (!view->isHidden())
            visit(view->accessibleName(), *view->model());
    }
}

QString cellText(const QAbstractItemModel &model, int row, int column)
{
    return model.index(row, column).data().toString();
}

QString headerText(const QAbstractItemModel &model, int column)
{
    return model.headerData(column, Qt::Horizontal).toString();
}

} // namespace

QString StreaksWindow::tablesText() const
{
    QStringList lines{windowTitle(), m_scopeLabel->text()};
    forEachShownTable({m_longestView, m_afterView, m_sequenceView},
                      [&lines](const QString &name, const QAbstractItemModel &model) {
                          lines << QString() << name;
                          QStringList cells;
                          for (int column = 0; column < model.columnCount(); ++column)
                              cells << headerText(model, column);
                          lines << cells.join(QLatin1Char('\t'));
                          for (int row = 0; row < model.rowCount(); ++row) {
                              cells.clear();
                              for (int column = 0; column < model.columnCount(); ++column)
                                  cells << cellText(model, row, column);
                              lines << cells.join(QLatin1Char('\t'));
                          }
                      });
    if (!m_sequenceView->isHidden())
        lines << m_typedState->text();
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

std::unique_ptr<QTextDocument> StreaksWindow::tablesDocument() const
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(font());
    QTextCursor cursor(document.get());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(windowTitle(), bold);
    cursor.insertBlock();
    cursor.insertText(m_scopeLabel->text());
    QTextTableFormat format;
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    forEachShownTable({m_longestView, m_afterView, m_sequenceView},
                      [&](const QString &name, const QAbstractItemModel &model) {
                          cursor.movePosition(QTextCursor::End);
                          cursor.insertBlock();
                          cursor.insertBlock();
                          cursor.insertText(name, bold);
                          QTextTable *table =
                              cursor.insertTable(model.rowCount() + 1, model.columnCount(), format);
                          for (int column = 0; column < model.columnCount(); ++column) {
                              table->cellAt(0, column).firstCursorPosition().insertText(
                                  headerText(model, column), bold);
                              for (int row = 0; row < model.rowCount(); ++row)
                                  table->cellAt(row + 1, column)
                                      .firstCursorPosition()
                                      .insertText(cellText(model, row, column));
                          }
                      });
    if (!m_sequenceView->isHidden()) {
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock();
        cursor.insertText(m_typedState->text());
    }
    return document;
}

} // namespace quindle
