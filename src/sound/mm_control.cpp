#include "mm_control.h"

namespace quindle {

MMControl::MMControl(QWidget *parent)
    : QWidget(parent)
{
    setVisible(false);
    setFocusPolicy(Qt::NoFocus);
}

void MMControl::setCommand(std::string_view command)
{
    // No sound output yet: the device accepts every command and plays nothing.
    m_lastCommand = QString::fromUtf8(command.data(), static_cast<qsizetype>(command.size()));
}

void MMControl::setFileName(std::string_view fileName)
{
    m_fileName = QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
}

} // namespace quindle
