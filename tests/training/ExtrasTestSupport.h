// What the training extras' screen tests share: a round played to its end,
// and a record of what the number display showed.
#pragma once

#include "PictureButton.h"
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

// Plays one round from START to the unlocked screen, answering the sum + wrongBy.
inline void play(TrainingScreen *form, int wrongBy)
{
    TestSupport::answerNextDialog([=] { return QString::number(form->m_roundSum + wrongBy); });
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
