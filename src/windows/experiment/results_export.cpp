#include "results_export.h"

#include "experiment/experiment_control.h"
#include "experiment/experiment_record.h"
#include "windows/support/outcome_names.h"

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

QString resultsAsCsv(const TableTexts &table, const ExperimentRecord &record)
{
    QString text = tableText(table, QLatin1Char(','));
    text += QStringLiteral("\noutcome,count at that point,percentage\n");
    for (int n = 1; n <= kOutcomes; ++n) {
        // Elements 1 up to the last one this run recorded, as the graph's curve shows them.
        for (int count = 1; count <= record.lastRecorded(n); ++count)
            text += QStringLiteral("%1,%2,%3\n")
                        .arg(outcomeFileName(n))
                        .arg(count)
                        .arg(record.history(n).at(count));
    }
    return text;
}

} // namespace quindle
