// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// What a pupil waits for when handing a run in, and what every start spends on the settings.
//
//   hand_in_bench [FOLDER [HAND-INS]]   hands a full run in HAND-INS times (default 20) to
//                                       FOLDER (default: a new folder in the system's temporary
//                                       folder; give a USB stick's or a share's folder to measure
//                                       those), then reads a user's and a school's settings
//                                       files, and prints key=value lines
//
// A hand-in is timed from the pupil's choice to the file in place under its name: the results
// file made from the record, written under a hidden name, synced to the disk, renamed, and the
// pupil told. Runs offscreen unless a platform is given.

#include "app/program.h"
#include "app/settings.h"
#include "windows/experiment/experiment_window_layout.h"
#include "windows/support/saving.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void writeFile(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.filePath(QStringLiteral("class"));
    const int handIns = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    QDir().mkpath(folder);

    // A full run: trial by trial to the one that lifts an outcome past 1000.
    quindle::Program program(2026, 2026);
    quindle::ExperimentWindow *window = program.openNewExperimentWindow();
    auto *oneTrial = quindle::findControl<QPushButton>(window, quindle::experimentWindowLayout(),
                                                       quindle::experiment_roles::trialButton);
    while (program.record().recordedTrials() == program.record().trials())
        oneTrial->click();

    program.preferences().setClassFolder(folder);
    std::vector<double> times;
    QStringList handedIn;
    const QDateTime start = QDateTime::currentDateTime();
    for (int i = 0; i < handIns; ++i) {
        QElapsedTimer timer;
        timer.start();
        handedIn << window->handIn(start.addSecs(i));
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (handedIn.last().isEmpty())
            return 1;
    }
    std::printf("hand_in_trials=%d\n", program.record().recordedTrials());
    std::printf("hand_in_file_bytes=%lld\n",
                static_cast<long long>(QFileInfo(handedIn.last()).size()));
    std::printf("hand_in_ms_median=%.2f\n", median(times));
    std::printf("hand_in_ms_max=%.2f\n", *std::max_element(times.begin(), times.end()));
    for (const QString &path : handedIn) // a folder given is the user's: leave it as it was
        QFile::remove(path);

    // The settings as every start reads them: a user's file and a school's.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("user"))));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(scratch.filePath(QStringLiteral("system"))));
    writeFile(quindle::Settings::userFile(), "[display]\nzoom=150\n[saving]\nlastFolder=/home/a\n");
    writeFile(quindle::Settings::systemFiles().value(0),
              "[class]\nfolder=/srv/class-5a\n[display]\nzoom=200\nlanguage=de\n");
    // The first read is the one a start makes; Qt keeps what it read for the ones after.
    std::vector<double> reads;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer timer;
        timer.start();
        const quindle::Settings settings;
        reads.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e3);
        quindle::Preferences read;
        settings.load(read);
        if (read.zoom() != 150)
            return 1;
    }
    std::printf("settings_read_us_first=%.1f\n", reads.front());
    std::printf("settings_read_us_median=%.1f\n", median(reads));
    return 0;
}
