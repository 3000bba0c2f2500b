// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/support/runtime_errors.h"

#include "experiment/int16.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

#include <exception>

namespace quindle {

namespace {

bool s_failed = false;

void reportAndQuit(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quindle"), message, QMessageBox::Ok);
    box.exec();
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::exit(1);
}

ErrorReporter &reporter()
{
    static ErrorReporter current = reportAndQuit;
    return current;
}

void report(const QString &message)
{
    s_failed = true;
    reporter()(message);
}

} // namespace

void setErrorReporter(ErrorReporter newReporter)
{
    reporter() = newReporter ? std::move(newReporter) : ErrorReporter(reportAndQuit);
}

bool guarded(const std::function<void()> &handler)
{
    if (s_failed)
        return false;
    try {
        handler();
        return true;
    } catch (const RuntimeError &error) {
        //: %1 is the error's number, %2 its name in English ("Overflow").
        report(QCoreApplication::translate("quindle::Errors", "Run-time error '%1':\n\n%2")
                   .arg(error.number())
                   .arg(QString::fromUtf8(error.what())));
    } catch (const std::exception &error) {
        //: A message box after an error the program did not expect: %1 says what, in English.
        report(QCoreApplication::translate("quindle::Errors", "Unexpected error:\n\n%1")
                   .arg(QString::fromUtf8(error.what())));
    }
    return false;
}

bool hasFailed()
{
    return s_failed;
}

void resetFailure()
{
    s_failed = false;
}

} // namespace quindle
