#include "TrainingExtras.h"

#include "ProgramPaths.h"

#include <QSettings>

namespace {

int readInt(const QSettings &ini, const char *key, int fallback, int low, int high)
{
    bool ok = false;
    const int value = ini.value(QLatin1String(key)).toString().trimmed().toInt(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

bool readBool(const QSettings &ini, const char *key, bool fallback)
{
    const QString text = ini.value(QLatin1String(key)).toString().trimmed();
    if (text == u"true")
        return true;
    if (text == u"false")
        return false;
    return fallback;
}

const char *reviewName(TrainingExtras::Review review)
{
    switch (review) {
    case TrainingExtras::Review::AfterWrong:
        return "wrong";
    case TrainingExtras::Review::Always:
        return "always";
    case TrainingExtras::Review::Never:
        break;
    }
    return "never";
}

} // namespace

TrainingExtras TrainingExtras::load()
{
    const TrainingExtras d;
    TrainingExtras e;
    const QString path = ProgramPaths::dataPath(fileName());
    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("training"));
    e.flashPercent = readInt(ini, "flashPercent", d.flashPercent, MinFlashPercent, 100);
    e.byTotalTime = readBool(ini, "byTotalTime", d.byTotalTime);
    e.totalMs = readInt(ini, "totalMs", d.totalMs, MinTotalMs, MaxTotalMs);
    e.minusPercent = readInt(ini, "minusPercent", d.minusPercent, 0, MaxMinusPercent);
    const QString review = ini.value(QStringLiteral("review")).toString().trimmed();
    e.review = review == u"wrong" ? Review::AfterWrong : review == u"always" ? Review::Always : Review::Never;
    e.keepHistory = readBool(ini, "keepHistory", d.keepHistory);
    return e;
}

bool TrainingExtras::save() const
{
    // QSettings writes the file whole through a temporary file.
    QSettings ini(ProgramPaths::dataPath(fileName()), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("training"));
    ini.setValue(QStringLiteral("flashPercent"), flashPercent);
    ini.setValue(QStringLiteral("byTotalTime"), byTotalTime);
    ini.setValue(QStringLiteral("totalMs"), totalMs);
    ini.setValue(QStringLiteral("minusPercent"), minusPercent);
    ini.setValue(QStringLiteral("review"), QString::fromLatin1(reviewName(review)));
    ini.setValue(QStringLiteral("keepHistory"), keepHistory);
    ini.endGroup();
    ini.sync();
    return ini.status() == QSettings::NoError;
}
