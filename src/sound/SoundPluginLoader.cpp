#include "SoundPluginLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QPluginLoader>

namespace {

Q_LOGGING_CATEGORY(soundLog, "plumeno.sound", QtWarningMsg)

constexpr auto PluginName = "plumeno_sound"; // libplumeno_sound.so

} // namespace

SoundPluginLoader::SoundPluginLoader(QString pluginDir)
    : m_pluginDir(std::move(pluginDir))
{}

SoundPluginLoader::~SoundPluginLoader() = default;

std::unique_ptr<WavePlayer> SoundPluginLoader::createPlayer()
{
    if (m_attempts == 0) {
        ++m_attempts;
        const QString dir = m_pluginDir.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/plugins") : m_pluginDir;
        const QString path = QDir(dir).filePath(QLatin1String(PluginName));
        m_loader = std::make_unique<QPluginLoader>(path);
        QObject *instance = m_loader->instance();
        m_factory = qobject_cast<WavePlayerFactory *>(instance);
        if (!m_factory)
            qCInfo(soundLog).noquote() << "no sound: the plugin" << path << "did not load:"
                                       << (instance ? QStringLiteral("it is not a Plumeno sound plugin") : m_loader->errorString());
    }
    return m_factory ? m_factory->createPlayer() : nullptr;
}
