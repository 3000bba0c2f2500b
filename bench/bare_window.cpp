// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// What start-up is measured against: a bare Qt Widgets program that shows one window of the
// experiment window's size and place with LABELS labels, and links nothing but Qt Widgets. With
// "faces", the labels take turns at the experiment window's four faces (IPAPGothic at 15.75
// bold, 12 bold, 11.25 and 9.75 bold points), as that window's labels do: what the toolkit
// alone costs for the faces the window is designed with.
//
//   bare_window LABELS [faces]

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int labels = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
    const bool faces = argc > 2 && qstrcmp(argv[2], "faces") == 0;
    const struct
    {
        double points;
        bool bold;
    } kFaces[] = {{15.75, true}, {12, true}, {11.25, false}, {9.75, true}};
    auto *window = new QWidget;
    window->setGeometry(263, 177, 434, 374);
    for (int i = 0; i < labels; ++i) {
        auto *label = new QLabel(QStringLiteral("Label %1").arg(i), window);
        label->setGeometry((i % 5) * 80, (i / 5) * 25, 80, 25);
        if (faces) {
            QFont font;
            font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
            font.setPointSizeF(kFaces[i % 4].points);
            font.setWeight(kFaces[i % 4].bold ? QFont::Bold : QFont::Normal);
            font.setStyleHint(QFont::SansSerif);
            label->setFont(font);
        }
    }
    window->show();
    return QApplication::exec();
}
