#include "MMControl.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace {

MMControl::CommandLog &commandLog()
{
    static MMControl::CommandLog log;
    return log;
}

} // namespace

MMControl::MMControl(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("MMControl1"));
}

void MMControl::SetCommandLog(CommandLog log)
{
    commandLog() = std::move(log);
}

QSoundEffect *MMControl::effectFor(const QString &fileName)
{
    if (QSoundEffect *e = m_effects.value(fileName))
        return e;
    if (!QFileInfo(fileName).isFile())
        return nullptr;
    auto *e = new QSoundEffect(this);
    e->setSource(QUrl::fromLocalFile(fileName));
    m_effects.insert(fileName, e);
    return e;
}

void MMControl::Command(const QString &command)
{
    if (commandLog()) {
        commandLog()(command, command == u"Open" ? FileName : QString());
        return;
    }
    if (command == u"Close") {
        if (m_open)
            m_open->stop();
        m_open = nullptr;
    } else if (command == u"Open") {
        m_open = effectFor(FileName);
    } else if (command == u"Play") {
        if (m_open) {
            m_open->stop(); // a new sound starts from its beginning
            m_open->play();
        }
    }
}
