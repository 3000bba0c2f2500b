// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// What start-up is measured against: a bare Qt Widgets program that shows one window of the
// experiment window's size and place with LABELS labels, and links nothing but Qt Widgets.
//
//   bare_window LABELS

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int labels = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
    auto *window = new QWidget;
    window->setGeometry(263, 177, 434, 374);
    for (int i = 0; i < labels; ++i) {
        auto *label = new QLabel(QStringLiteral("Label %1").arg(i), window);
        label->setGeometry((i % 5) * 80, (i / 5) * 25, 80, 25);
    }
    window->show();
    return QApplication::exec();
}
