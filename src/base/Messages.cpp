#include "Messages.h"

#include "OwnedMessageBox.h"
#include "Placement.h"

#include <QWidget>

namespace Messages {
namespace {

Responder &responder()
{
    static Responder r;
    return r;
}

Answer realMessageBox(const Call &call)
{
    OwnedMessageBox box(call.title, call.text, Placement::messageOwner());
    if (call.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    if (QWidget *active = Placement::activeScreen(); active && !active->windowIcon().isNull())
        box.setWindowIcon(active->windowIcon());
    const int result = box.exec();
    if (call.buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace

Answer show(const QString &text, const QString &title, Buttons buttons)
{
    const Call call{text, title, buttons};
    if (responder())
        return responder()(call);
    return realMessageBox(call);
}

void setResponder(Responder r)
{
    responder() = std::move(r);
}

} // namespace Messages
