// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "app/platform_guard.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quindle {

QString requestedPlatform(int argc, const char *const *argv)
{
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-platform" || arg == "--platform")
            platform = QString::fromLocal8Bit(argv[i + 1]);
    }
    return platform;
}

QString displayDescription(int argc, const char *const *argv)
{
    const QString platform = requestedPlatform(argc, argv);
    const QString x11 = qEnvironmentVariable("DISPLAY");
    QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    const bool forX11 = platform.startsWith(QLatin1String("xcb"));
    const bool forWayland = platform.startsWith(QLatin1String("wayland"));
    if (forWayland || (!forX11 && !wayland.isEmpty())) {
        if (wayland.isEmpty())
            wayland = QStringLiteral("wayland-0");
        const QString waylandText = QStringLiteral("Wayland display %1").arg(wayland);
        if (forWayland || x11.isEmpty())
            return waylandText;
        return QStringLiteral("%1 or X display %2").arg(waylandText, x11);
    }
    if (forX11 || platform.isEmpty())
        return QStringLiteral("X display %1").arg(x11);
    return QStringLiteral("display platform %1").arg(platform);
}

PlatformStartGuard *PlatformStartGuard::s_active = nullptr;

PlatformStartGuard::PlatformStartGuard(QString display)
    : m_display(std::move(display))
{
    s_active = this;
    m_previous = qInstallMessageHandler(&PlatformStartGuard::handle);
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(m_previous);
    s_active = nullptr;
    for (const HeldMessage &message : m_held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        if (m_previous)
            m_previous(message.type, context, message.text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
    }
}

void PlatformStartGuard::handle(QtMsgType type, const QMessageLogContext &context,
                                const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "quindle: cannot open the %s\n", qPrintable(s_active->m_display));
        std::_Exit(1); // nothing is running yet that would need shutting down
    }
    s_active->m_held.push_back({type, QByteArray(context.category), text});
}

} // namespace quindle
