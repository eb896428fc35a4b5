#include "SoundBackend.h"

#include "WavePlayerFactory.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace {

constexpr auto PluginName = "plumeno_sound"; // libplumeno_sound.so

struct Backend
{
    QString pluginDir;
    bool tried = false;
    int attempts = 0;
    QPluginLoader *loader = nullptr; // kept for the rest of the run, as the plugin is
    WavePlayerFactory *factory = nullptr;
};

Backend &backend()
{
    static Backend b;
    return b;
}

WavePlayerFactory *factory()
{
    Backend &b = backend();
    if (b.tried)
        return b.factory; // one try per place: a sound on every tick must not search the disk
    b.tried = true;
    ++b.attempts;
    const QString dir = b.pluginDir.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/plugins") : b.pluginDir;
    delete b.loader; // a try that failed somewhere else
    b.loader = new QPluginLoader(QDir(dir).filePath(QLatin1String(PluginName)));
    b.factory = qobject_cast<WavePlayerFactory *>(b.loader->instance());
    return b.factory;
}

} // namespace

namespace SoundBackend {

std::unique_ptr<WavePlayer> createPlayer()
{
    WavePlayerFactory *f = factory();
    return f ? f->createPlayer() : nullptr;
}

bool isLoaded()
{
    return backend().factory != nullptr;
}

int loadAttempts()
{
    return backend().attempts;
}

void setPluginDir(const QString &dir)
{
    Backend &b = backend();
    if (b.pluginDir == dir)
        return;
    b.pluginDir = dir;
    if (!b.factory)
        b.tried = false;
}

} // namespace SoundBackend
