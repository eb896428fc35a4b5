// What the training extras' screen tests share: modal dialogs answered as
// a player would, and a record of what the number display showed.
#pragma once

#include "PictureButton.h"
#include "SettingsProcedures.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace ExtrasTest {

inline std::unique_ptr<QObject> scope; // dialog watches end with their test function

// Runs `act` on the modal dialog with that object name once it is open.
inline void whenOpen(const QString &name, const std::function<void(QWidget *)> &act, int tries = 4000)
{
    QTimer::singleShot(2, scope.get(), [=] {
        QWidget *w = QApplication::activeModalWidget();
        if (w && w->isVisible() && w->objectName() == name)
            act(w);
        else if (tries > 0)
            whenOpen(name, act, tries - 1);
    });
}

inline void answer(QWidget *dialog, const QString &text)
{
    auto *field = dialog->findChild<QLineEdit *>();
    field->insert(text);
    QTest::keyClick(field, Qt::Key_Return);
}

// What the number display showed, in order, one entry per change.
class DisplayLog : public QObject
{
public:
    explicit DisplayLog(QLabel *label)
        : m_label(label)
    {
        label->installEventFilter(this);
    }
    QStringList shown;
    QList<std::int32_t> numbers() const
    {
        QList<std::int32_t> n;
        for (const QString &s : shown)
            if (!s.isEmpty())
                n << s.toInt();
        return n;
    }
    int sum() const
    {
        int total = 0;
        for (std::int32_t n : numbers())
            total += n;
        return total;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // From the first number on; the label may be painted empty before.
        const QString text = m_label->text();
        if (event->type() == QEvent::Paint && (shown.isEmpty() ? !text.isEmpty() : shown.last() != text))
            shown << text;
        return false;
    }

private:
    QLabel *m_label;
};

inline TrainingScreen *openTraining(TestEnvironment &env, const QString &digits, const QString &terms, const QString &interval)
{
    env.writeDefaultFiles();
    Settings::setDefaults();
    TrainingScreen *form = TrainingScreen::instance();
    form->show();
    form->m_digitsBox->setEditText(digits);
    form->m_termsBox->setEditText(terms);
    form->m_intervalBox->setEditText(interval);
    return form;
}

// Plays one round from START to the unlocked screen, answering the sum + wrongBy.
inline void play(TrainingScreen *form, int wrongBy)
{
    whenOpen(QStringLiteral("AnswerDialog"), [=](QWidget *w) { answer(w, QString::number(form->m_roundSum + wrongBy)); });
    QTest::mouseClick(form->m_startButton, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(form->m_startButton->isEnabled(), 10000);
}

// Alternating numbers and blanks: n1, "", n2, "", ..., nN, "".
inline bool blankAfterEveryNumber(const QStringList &shown, int terms)
{
    if (shown.size() != 2 * terms)
        return false;
    for (int i = 0; i < shown.size(); ++i)
        if (shown[i].isEmpty() != (i % 2 == 1))
            return false;
    return true;
}

} // namespace ExtrasTest
