// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>

namespace quindle {

// Property of a cell whose text is a value that a screen reader reads after its name.
inline constexpr char kReadsValue[] = "readsValue";

// A label with an optional single black border drawn on its outermost pixels, so that two
// cells overlapping by the border's width share one border line. The border keeps its colour
// whatever the text colour is.
class CellLabel : public QLabel
{
    Q_OBJECT
public:
    CellLabel(const QString &text, QWidget *parent);

    // The border's width in pixels; 0 for none.
    void setBorder(int width);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_border = 0;
};

} // namespace quindle
