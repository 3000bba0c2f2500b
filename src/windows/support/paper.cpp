#include "windows/support/paper.h"

#include "modules/program_modules.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

namespace quindle {

PaperOutput *paperOutput(QString *error)
{
    return loadModule<PaperOutput>("quindle_paper", "quindle_paper", error);
}

void printThroughDialog(QWidget *window, const std::function<void(QPaintDevice &)> &print)
{
    QString why;
    if (PaperOutput *paper = paperOutput(&why)) {
        paper->printThroughDialog(window, print);
        return;
    }
    //: Shown instead of the print dialog; %1 says why (a missing part of the installation).
    QMessageBox::warning(
        window, window->windowTitle(),
        QCoreApplication::translate("quindle::Paper", "Cannot print: %1").arg(why));
}

} // namespace quindle
