#include "results_export.h"

#include "experiment/experiment_control.h"
#include "experiment/experiment_record.h"

#include <QSaveFile>

#include <algorithm>

namespace quindle {

namespace {

QString outcomeName(int outcome)
{
    const auto face = [outcome](int coin) {
        return faceOf(outcome, coin) == Face::Head ? QStringLiteral("Head")
                                                   : QStringLiteral("Tail");
    };
    return face(1) + QLatin1Char('/') + face(2);
}

QString tableText(const TableTexts &table, QChar separator)
{
    const auto row = [separator](const QStringList &fields) {
        return fields.join(separator) + QLatin1Char('\n');
    };
    QString text =
        row({QStringLiteral("outcome"), QStringLiteral("count"), QStringLiteral("ratio")});
    for (int n = 1; n <= kOutcomes; ++n)
        text += row({outcomeName(n), table.counts.value(n - 1), table.ratios.value(n - 1)});
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
        // Elements 1 up to the count, which the run limit keeps within the history's bounds.
        const int last = std::min<int>(record.count(n), kRunLimit);
        for (int count = 1; count <= last; ++count)
            text += QStringLiteral("%1,%2,%3\n")
                        .arg(outcomeName(n))
                        .arg(count)
                        .arg(record.history(n).at(count));
    }
    return text;
}

QString writeWhole(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return file.errorString();
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace quindle
