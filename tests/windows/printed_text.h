// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// What a window prints says, read by pdftotext from a PDF as "Print to file" makes it; simplified.

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>

namespace quindle::testing {

inline QString printedText(const std::function<void(QPrinter &)> &print)
{
    QTemporaryDir folder;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("printed.pdf")));
    print(printer);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {printer.outputFileName(), QStringLiteral("-")});
    if (!pdftotext.waitForFinished())
        return QStringLiteral("(pdftotext did not finish)");
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

} // namespace quindle::testing
