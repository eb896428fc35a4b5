#pragma once

class QCoreApplication;

// Qt's own texts (the standard buttons of message boxes, the colour dialog)
// in Japanese, as the rest of the program is, whatever the desktop's language.
class Translations
{
public:
    // Loads qtbase_ja from the system's Qt translations and installs it on
    // the application, which keeps it. False when it is not installed: the
    // program then goes on with Qt's English texts.
    static bool installQtJapanese(QCoreApplication &app);
};
