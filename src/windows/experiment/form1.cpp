#include "form1.h"

#include "form1_layout.h"
#include "sound/mm_control.h"
#include "windows/accessibility.h"
#include "windows/activation.h"
#include "windows/keyboard.h"
#include "windows/picture.h"
#include "windows/runtime_errors.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace quindle {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const char *buttonName(Button button)
{
    switch (button) {
    case Button::Command1:
        return "Command1";
    case Button::Command3:
        return "Command3";
    case Button::Command4:
        return "Command4";
    case Button::Command5:
        return "Command5";
    case Button::Command6:
        return "Command6";
    case Button::Command7:
        return "Command7";
    }
    return "";
}

constexpr qint64 kFrameMs = 16; // one frame of a 60 Hz screen

constexpr const char *kCaptionNames[] = {"dosuu1", "dosuu2", "dosuu3", "dosuu4", "kaku1",
                                         "kaku2",  "kaku3",  "kaku4",  "Label17"};

QTimer *makeTimer(const char *name, QObject *parent)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(1);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

} // namespace

Form1::Form1(Module1 &record, RandomSource &random, Clock &clock, Form1Host &host)
    : m_host(host)
    , m_mmControl(new MMControl(this))
    , m_timer1(makeTimer("Timer1", this))
    , m_timer2(makeTimer("Timer2", this))
    , m_announcer(new Announcer(this))
    , m_control(record, *this, random, clock, *m_mmControl)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(form1Caption());
    setWindowIcon(QIcon(QStringLiteral(":/coin_head.bmp")));

    buildControls(this, form1Layout(), {{QStringLiteral("MMControl1"), m_mmControl}});
    placeWindow(this, kForm1Window);

    for (std::size_t i = 0; i < m_captions.size(); ++i)
        m_captions[i] = findChild<QLabel *>(QString::fromLatin1(kCaptionNames[i]));
    for (Picture *picture : findChildren<Picture *>()) {
        const int coin = picture->objectName() == QLatin1String("coin1") ? 0 : 1;
        m_coins[static_cast<std::size_t>(coin)]
               [static_cast<std::size_t>(picture->property("index").toInt())] = picture;
    }
    for (Button button : kButtons)
        m_buttons[static_cast<std::size_t>(button)] =
            findChild<QPushButton *>(QString::fromLatin1(buttonName(button)));

    connectClick("Command1", &ExperimentControl::command1Click);
    connectClick("Command2", &ExperimentControl::command2Click);
    connectClick("Command3", &ExperimentControl::command3Click);
    connectClick("Command4", &ExperimentControl::command4Click);
    connectClick("Command5", &ExperimentControl::command5Click);
    connectClick("Command6", &ExperimentControl::command6Click);
    connectClick("Command7", &ExperimentControl::command7Click);
    m_nextFrame = new QTimer(this);
    m_nextFrame->setSingleShot(true);
    connect(m_nextFrame, &QTimer::timeout, this, [this] {
        QCoreApplication::postEvent(this, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    });
    connect(m_timer1, &QTimer::timeout, this,
            [this] { guarded([this] { m_control.timer1Tick(); }); });
    connect(m_timer2, &QTimer::timeout, this,
            [this] { guarded([this] { m_control.timer2Tick(); }); });
    ActivationWatcher::instance().watch(this,
                                        [this] { guarded([this] { m_control.activate(); }); });

    addKeyFor(this, QKeySequence(Qt::Key_F1),
              m_buttons[static_cast<std::size_t>(Button::Command7)]);
    m_buttons[static_cast<std::size_t>(Button::Command1)]->setFocus();
    guarded([this] { m_control.load(); });
}

Form1::~Form1() = default;

template<class Handler> void Form1::connectClick(const char *button, Handler handler)
{
    auto *widget = findChild<QPushButton *>(QString::fromLatin1(button));
    connect(widget, &QPushButton::clicked, this,
            [this, handler] { guarded([this, handler] { (m_control.*handler)(); }); });
}

QTimer *Form1::timer(Timer which) const
{
    return which == Timer::Timer1 ? m_timer1 : m_timer2;
}

bool Form1::event(QEvent *event)
{
    // During a run every trial asks for a repaint, about a thousand a second; a screen shows
    // sixty. Repaint at most once per frame and let the requests in between wait for it.
    if (event->type() == QEvent::UpdateRequest && m_timer2->isActive()) {
        const qint64 since = m_lastFrame.isValid() ? m_lastFrame.elapsed() : kFrameMs;
        if (since < kFrameMs) {
            if (!m_nextFrame->isActive())
                m_nextFrame->start(static_cast<int>(kFrameMs - since));
            return true;
        }
        m_lastFrame.restart();
    }
    return QWidget::event(event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    // A window closed in the middle of a run takes its run with it.
    m_timer1->stop();
    m_timer2->stop();
    QWidget::closeEvent(event);
}

void Form1::setCaption(Caption label, std::string_view text)
{
    QLabel *cell = m_captions[static_cast<std::size_t>(label)];
    cell->setText(fromUtf8(text));
    m_announcer->changed(cell);
}

void Form1::setPictureVisible(int coin, Face face, bool visible)
{
    Picture *picture = m_coins[static_cast<std::size_t>(coin - 1)][static_cast<std::size_t>(face)];
    if (picture->isShown() == visible)
        return;
    picture->setShown(visible);
    m_announcer->changed(picture);
}

void Form1::setButtonEnabled(Button button, bool enabled)
{
    m_buttons[static_cast<std::size_t>(button)]->setEnabled(enabled);
}

void Form1::setTimerEnabled(Timer which, bool enabled)
{
    QTimer *t = timer(which);
    if (enabled && !t->isActive()) {
        t->start();
    } else if (!enabled) {
        t->stop();
        m_announcer->flush(); // the run's final values reach a screen reader at once
    }
}

bool Form1::isTimerEnabled(Timer which) const
{
    return timer(which)->isActive();
}

void Form1::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void Form1::showGraphWindow()
{
    m_host.showGraphWindow();
}

void Form1::handOverToHelp()
{
    m_host.handOverToHelp(this);
}

void Form1::showMessage(std::string_view text, std::string_view title)
{
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(title), fromUtf8(text), QMessageBox::Ok, this);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void Form1::endProgram()
{
    m_host.endProgram();
}

} // namespace quindle
