// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "app/seed_option.h"

#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <limits>

namespace quindle {

std::optional<std::uint64_t> seedOption(const QCommandLineParser &parser)
{
    if (!parser.isSet(QStringLiteral("seed")))
        return std::nullopt;
    const QString text = parser.value(QStringLiteral("seed"));
    bool ok = false;
    const qulonglong seed = text.toULongLong(&ok);
    if (!ok) {
        std::fprintf(stderr, "quindle: --seed needs a whole number from 0 to %llu, not '%s'\n",
                     std::numeric_limits<qulonglong>::max(), qPrintable(text));
        std::exit(1);
    }
    return seed;
}

} // namespace quindle
