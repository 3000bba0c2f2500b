// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <vector>

namespace quindle {

// The platform Qt is asked for, by -platform or QT_QPA_PLATFORM; empty when Qt chooses.
[[nodiscard]] QString requestedPlatform(int argc, const char *const *argv);

// Which display the platform plugin would have opened, as the one-line failure message names
// it, from the -platform argument and the environment.
[[nodiscard]] QString displayDescription(int argc, const char *const *argv);

// Holds back Qt's messages while QApplication starts its platform plugin. If the plugin cannot
// start (no server at DISPLAY, no socket at WAYLAND_DISPLAY), Qt would print several lines and
// abort with a core dump; instead the program prints one line naming the display and exits
// with 1. Once the application is up, the held messages go out as usual.
class PlatformStartGuard
{
public:
    explicit PlatformStartGuard(QString display);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard &) = delete;
    PlatformStartGuard &operator=(const PlatformStartGuard &) = delete;

private:
    struct HeldMessage
    {
        QtMsgType type;
        QByteArray category;
        QString text;
    };
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text);

    static PlatformStartGuard *s_active;
    QString m_display;
    QtMessageHandler m_previous;
    std::vector<HeldMessage> m_held;
};

} // namespace quindle
