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

QString staircaseGroup(TrainingExtras::Adaptive adaptive)
{
    return adaptive == TrainingExtras::Adaptive::About80 ? QStringLiteral("pace80") : QStringLiteral("pace70");
}

QString staircaseKey(int digits, int terms)
{
    return QStringLiteral("%1x%2").arg(digits).arg(terms);
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
    const QString adaptive = ini.value(QStringLiteral("adaptive")).toString().trimmed();
    // Both at once cannot be: the round's interval would have two sources.
    if (!e.byTotalTime)
        e.adaptive = adaptive == u"70" ? Adaptive::About70 : adaptive == u"80" ? Adaptive::About80 : Adaptive::Off;
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
    // Off is not written: the file of a player who never uses it stays as it was.
    if (adaptive == Adaptive::Off)
        ini.remove(QStringLiteral("adaptive"));
    else
        ini.setValue(QStringLiteral("adaptive"), adaptive == Adaptive::About80 ? QStringLiteral("80") : QStringLiteral("70"));
    ini.endGroup();
    ini.sync();
    return ini.status() == QSettings::NoError;
}

Staircase::Rule TrainingExtras::rule(Adaptive adaptive)
{
    return adaptive == Adaptive::About80 ? Staircase::Rule::ThreeDown : Staircase::Rule::TwoDown;
}

std::optional<Staircase::State> TrainingExtras::loadStaircase(Adaptive adaptive, int digits, int terms)
{
    QSettings ini(ProgramPaths::dataPath(fileName()), QSettings::IniFormat);
    ini.beginGroup(staircaseGroup(adaptive));
    return Staircase::fromText(ini.value(staircaseKey(digits, terms)).toString());
}

bool TrainingExtras::saveStaircase(Adaptive adaptive, int digits, int terms, const Staircase::State &state)
{
    QSettings ini(ProgramPaths::dataPath(fileName()), QSettings::IniFormat);
    ini.beginGroup(staircaseGroup(adaptive));
    ini.setValue(staircaseKey(digits, terms), Staircase::toText(state));
    ini.endGroup();
    ini.sync();
    return ini.status() == QSettings::NoError;
}
