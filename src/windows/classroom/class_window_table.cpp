// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The class table as text: tab-separated for the clipboard in the pupil's number form, and the
// class's CSV file in the plain form results files keep.

#include "windows/classroom/class_window.h"

#include "classroom/results_file.h"
#include "classroom/results_words.h"
#include "windows/classroom/class_table_model.h"
#include "windows/support/numbers.h"
#include "windows/support/saving.h"

#include <string>
#include <string_view>
#include <vector>

namespace quindle {

QString ClassWindow::tableText(QChar separator, NumberForm form) const
{
    const auto sep = static_cast<char>(separator.unicode());
    std::string text;
    std::vector<std::string> fields;
    const auto addRow = [&] {
        std::vector<std::string_view> views(fields.cbegin(), fields.cend());
        appendCsvRow(text, views, sep);
        fields.clear();
    };
    fields = {"file", "trials"};
    for (int n = 1; n <= kOutcomes; ++n)
        fields.push_back(outcomeFileWord(n));
    for (int n = 1; n <= kOutcomes; ++n)
        fields.push_back(outcomeFileWord(n) + " ratio");
    addRow();
    const int runs = m_runs->rowCount() - 1;
    for (int row = 0; row <= runs; ++row) {
        // A file's name comes from whoever named the file: quoted, and never a formula.
        fields.push_back(row < runs ? spreadsheetText(m_runs->text(row, 0).toStdString(), sep)
                                    : std::string("class"));
        for (int column = 1; column < ClassTableModel::kColumns; ++column) {
            const std::string plain = m_runs->text(row, column).toStdString();
            fields.push_back(form == NumberForm::Plain
                                 ? plain
                                 : csvField(shownNumber(plain).toStdString(), sep));
        }
        addRow();
    }
    return QString::fromStdString(text);
}

QString ClassWindow::saveTable(const QString &path) const
{
    return writeTextSafely(path, tableText(QLatin1Char(','), NumberForm::Plain));
}

} // namespace quindle
