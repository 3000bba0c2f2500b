// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "sound/sound_warnings.h"

#include <cstdio>

namespace quindle {

namespace {

QtMessageHandler s_previous = nullptr;
bool s_reported = false;

void filter(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && isSoundOutputMessage(message)) {
        reportSilentCues();
        return;
    }
    if (s_previous)
        s_previous(type, context, message);
}

} // namespace

void reportSilentCues(const QString &why)
{
    if (s_reported)
        return;
    s_reported = true;
    if (!why.isEmpty())
        std::fprintf(stderr, "quindle: sound cues are silent: %s\n", qPrintable(why));
    else
        std::fputs("quindle: sound cues are silent: no sound output, or a cue file that cannot "
                   "be played\n",
                   stderr);
}

bool isSoundOutputMessage(const QString &message)
{
    return message.startsWith(QLatin1String("PulseAudioService:")) ||
           message.startsWith(QLatin1String("QSoundEffect(")) ||
           message.startsWith(QLatin1String("No audio device detected"));
}

void installSoundWarningFilter()
{
    s_previous = qInstallMessageHandler(filter);
}

} // namespace quindle
