// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Start-up and footprint of the program against a bare Qt Widgets program with as many labels
// (and against the same bare program with its labels in the window's four faces).
//
//   startup_bench [RUNS [PROGRAM]]   starts PROGRAM (default: the quindle built beside this
//                                    benchmark) and bare_window RUNS times each (default 10),
//                                    and prints, as key=value lines, the median time from
//                                    starting the process to its first window painted, the
//                                    processor time and the peak resident memory by then, and
//                                    the timer wake-ups per second while the program sits idle
//
// Both are measured the same way: first_paint_probe is preloaded into each, and says when the
// first window has been painted. The programs run on the platform this benchmark was given
// (offscreen unless DISPLAY is set), in its environment (LANG chooses the program's language).

#include "windows/experiment/experiment_window_layout.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Sample
{
    double milliseconds = 0;
    QByteArray answer; // the probe's line: "drawn RSS_KB CPU_US" or "wakeups N"
};

// Starts program with the probe in it and waits for the probe's line.
Sample run(const QString &program, const QStringList &arguments, bool idle = false)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(QUINDLE_PROBE));
    if (idle)
        environment.insert(QStringLiteral("QUINDLE_PROBE"), QStringLiteral("idle"));
    process.setProcessEnvironment(environment);
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    Sample sample;
    while (!process.canReadLine() && process.waitForReadyRead(30000)) {
    }
    sample.milliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    sample.answer = process.readLine().trimmed();
    if (!process.waitForFinished(5000))
        process.kill();
    if (sample.answer.isEmpty()) {
        std::fprintf(stderr, "startup_bench: %s said nothing\n", qPrintable(program));
        std::exit(1);
    }
    return sample;
}

// The probe's answer's nth number (from 0): "drawn RSS_KB CPU_US" or "wakeups N".
double number(const QByteArray &answer, int n = 0)
{
    return answer.split(' ').value(n + 1).toDouble();
}

template<class T> T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int runs = args.size() > 1 ? std::max(1, args[1].toInt()) : 10;
    const QString program =
        args.size() > 2 ? QFileInfo(args[2]).absoluteFilePath() : QStringLiteral(QUINDLE_PROGRAM);
    const QString bare = QStringLiteral(QUINDLE_BARE_WINDOW);
    const QString labels = QString::number(quindle::experimentWindowLayout().size());

    std::vector<double> programMs, bareMs, programRss, bareRss, programCpu, bareCpu;
    std::vector<double> facesMs, facesCpu; // the bare program in the window's four faces
    for (int i = 0; i < runs; ++i) {
        const Sample p = run(program, {});
        const Sample b = run(bare, {labels});
        const Sample f = run(bare, {labels, QStringLiteral("faces")});
        facesMs.push_back(f.milliseconds);
        facesCpu.push_back(number(f.answer, 1) / 1000.0);
        programMs.push_back(p.milliseconds);
        programRss.push_back(number(p.answer) / 1024.0);
        bareMs.push_back(b.milliseconds);
        bareRss.push_back(number(b.answer) / 1024.0);
        programCpu.push_back(number(p.answer, 1) / 1000.0);
        bareCpu.push_back(number(b.answer, 1) / 1000.0);
    }
    const double wakeups = number(run(program, {}, true).answer);

    const double pMs = median(programMs), bMs = median(bareMs);
    const double pRss = median(programRss), bRss = median(bareRss);
    std::printf("platform=%s\nruns=%d\n",
                qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("xcb"))), runs);
    std::printf("program=%s\n", qPrintable(program));
    std::printf("startup_ms=%.1f\nbare_startup_ms=%.1f\n", pMs, bMs);
    std::printf("startup_ratio=%.2f\n", pMs / bMs); // target <= 1.2
    // The processor time to the same moment: what the program itself spends, which the time
    // above shows along with whatever else the machine was doing meanwhile.
    const double pCpu = median(programCpu), bCpu = median(bareCpu);
    std::printf("startup_cpu_ms=%.1f\nbare_startup_cpu_ms=%.1f\n", pCpu, bCpu);
    std::printf("startup_cpu_ratio=%.2f\n", pCpu / bCpu);
    // Against the bare program showing its labels in the same four faces as the window: how
    // much of the difference is the toolkit's own for those faces.
    const double fMs = median(facesMs), fCpu = median(facesCpu);
    std::printf("same_faces_startup_ms=%.1f\nsame_faces_startup_ratio=%.2f\n", fMs, pMs / fMs);
    std::printf("same_faces_startup_cpu_ms=%.1f\nsame_faces_startup_cpu_ratio=%.2f\n", fCpu,
                pCpu / fCpu);
    std::printf("peak_rss_mb=%.1f\nbare_peak_rss_mb=%.1f\n", pRss, bRss);
    std::printf("peak_rss_ratio=%.2f\n", pRss / bRss);      // target <= 1.2
    std::printf("idle_wakeups_per_second=%.1f\n", wakeups); // target 0
    return 0;
}
