#pragma once

#include "StoredSettings.h"

#include <QObject>

// The settings in memory and their file in the data folder. Every change is
// announced, so each screen shows the new values itself.
class SettingsStore : public QObject
{
    Q_OBJECT
public:
    explicit SettingsStore(QObject *parent = nullptr);

    const StoredSettings &values() const { return m_values; }
    // In memory only; the file keeps the old values unless they are saved.
    void set(const StoredSettings &values);
    // A change the player made, offered for saving on exit.
    void markChanged() { m_changed = true; }
    bool isChanged() const { return m_changed; }

    // A missing settings file is created with the defaults, and the player told.
    void ensureFile();
    void readFile();
    bool writeFile();
    // Offers to save settings that were changed during the run.
    void confirmSave();

signals:
    void changed(const StoredSettings &values);

private:
    StoredSettings m_values;
    bool m_changed = false;
    // Set once the settings file could not be created: from then on the
    // settings live in memory only, and the player has been told so once.
    bool m_unwritable = false;
};
