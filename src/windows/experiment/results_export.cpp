#include "results_export.h"

#include "experiment/experiment_control.h"
#include "experiment/experiment_record.h"

#include "windows/support/outcome_names.h"
#include <QDateTime>

namespace quindle {

namespace {

QString tableText(const TableTexts &table, QChar separator)
{
    const auto row = [separator](const QStringList &fields) {
        return fields.join(separator) + QLatin1Char('\n');
    };
    QString text =
        row({QStringLiteral("outcome"), QStringLiteral("count"), QStringLiteral("ratio")});
    for (int n = 1; n <= kOutcomes; ++n)
        text += row({outcomeFileName(n), table.counts.value(n - 1), table.ratios.value(n - 1)});
    return text + row({QStringLiteral("trials"), table.trials, QString()});
}

} // namespace

QString resultsAsTabText(const TableTexts &table)
{
    return tableText(table, QLatin1Char('\t'));
}

RunResults runResults(const ExperimentRecord &record, std::optional<std::uint64_t> seed,
                      const std::string &pace, const QDateTime &saved)
{
    RunResults run;
    run.saved = saved.toUTC().toString(Qt::ISODate).toStdString();
    run.seed = seed;
    run.pace = pace;
    // The run as the window showed it last: the trial that ends a run counts without showing.
    for (int n = 1; n <= kOutcomes; ++n) {
        const auto outcome = static_cast<std::size_t>(n - 1);
        run.counts[outcome] = record.lastRecorded(n);
        for (int count = 1; count <= record.lastRecorded(n); ++count)
            run.history[outcome].push_back(record.history(n).at(count));
    }
    run.trials = record.recordedTrials();
    run.log = record.trialLog();
    return run;
}

} // namespace quindle
