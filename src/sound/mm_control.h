#pragma once

// The multimedia device control of the experiment window: a control that is never shown and
// takes commands through two string properties, as PlayCue drives it.

#include "play_cue.h"

#include <QString>
#include <QWidget>

namespace quindle {

class MMControl : public QWidget, public MciDevice
{
    Q_OBJECT
public:
    explicit MMControl(QWidget *parent);

    void setCommand(std::string_view command) override;
    void setFileName(std::string_view fileName) override;

    [[nodiscard]] const QString &fileName() const { return m_fileName; }
    [[nodiscard]] const QString &lastCommand() const { return m_lastCommand; }

private:
    QString m_fileName;
    QString m_lastCommand;
};

} // namespace quindle
