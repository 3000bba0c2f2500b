#include "program.h"

#include <QApplication>

#include <QEventLoopLocker>
#include <malloc.h>

namespace quindle {

void keepLargeBlocksOutOfTheHeap()
{
    mallopt(M_MMAP_THRESHOLD, 128 * 1024); // the default, fixed instead of sliding
}

void showActive(QWidget *window)
{
    window->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) // it cannot raise
        window->raise();
    window->activateWindow();
}

Program::Program(std::uint64_t randomState)
    : m_random(randomState)
{}

Program::~Program()
{
    delete m_form1;
    delete m_form2;
    delete m_form4;
}

Form1 *Program::showForm1()
{
    m_form1 = new Form1(m_record, m_random, m_clock, *this);
    showActive(m_form1);
    return m_form1;
}

void Program::showGraphWindow()
{
    // Modeless and without an owner: the experiment window stays usable beside it.
    // A closed window waits for deletion until control returns to the event loop; it does
    // not count as open.
    if (!m_form2 || m_form2->isHidden())
        m_form2 = new Form2(m_record);
    showActive(m_form2);
}

void Program::handOverToHelp(Form1 *form)
{
    // The experiment window closes a moment before the help window opens: the program must
    // not take that moment for its last window closing.
    const QEventLoopLocker keepRunning;
    form->close();
    if (!m_form4 || m_form4->isHidden()) {
        m_form4 = new Form4;
        connect(m_form4, &Form4::closeClicked, this, &Program::closeHelp);
    }
    showActive(m_form4);
}

void Program::closeHelp()
{
    const QEventLoopLocker keepRunning;
    m_form4->close();
    showForm1();
}

void Program::endProgram()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::exit(0);
}

} // namespace quindle
