#pragma once

#include <QLabel>

namespace quindle {

// Property of a cell whose text is a value that a screen reader reads after its name.
inline constexpr char kReadsValue[] = "readsValue";

// A label with an optional single black border drawn on its outermost pixels, so that two
// cells overlapping by one pixel share one border line. The border keeps its colour whatever
// the text colour is.
class CellLabel : public QLabel
{
    Q_OBJECT
public:
    CellLabel(const QString &text, QWidget *parent);

    void setBorder(bool border);
    [[nodiscard]] bool hasBorder() const { return m_border; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_border = false;
};

} // namespace quindle
