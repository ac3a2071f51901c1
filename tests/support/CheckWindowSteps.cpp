#include "Controls.h"
#include "CheckWindowSteps.h"

#include "contacts/CheckWindow.h"

#include <QPushButton>
#include <QTest>

bool showCheckWindow(CheckWindow *window)
{
    window->show();
    return QTest::qWaitForWindowExposed(window);
}

CheckOutcome pressControlla(CheckWindow *window, QWidget *box, FakeDialogs &dialogs)
{
    dialogs.clear();
    child<QPushButton>(window, "btnControlla")->click();
    CheckOutcome out;
    out.messages = int(dialogs.shown.size());
    if (!dialogs.shown.isEmpty()) {
        out.kind = dialogs.shown.constLast().kind;
        out.text = dialogs.shown.constLast().text;
    }
    out.stillOpen = window->isVisible();
    out.focusInBox = window->focusWidget() == box;
    return out;
}

const char *kindName(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return "warning";
    case MessageKind::Information:
        return "information";
    case MessageKind::Error:
        return "error";
    case MessageKind::Plain:
        return "plain";
    }
    return "?";
}
