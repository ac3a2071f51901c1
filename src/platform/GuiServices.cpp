#include "platform/GuiServices.h"
#include "platform/RealServices.h"

namespace {
Dialogs *g_dialogs = nullptr;
FileDialogs *g_fileDialogs = nullptr;
Shell *g_shell = nullptr;
AlarmPlayer *g_alarm = nullptr;

template <typename Real>
Real &real()
{
    static Real instance;
    return instance;
}
}

namespace Services {
Dialogs &dialogs() { return g_dialogs ? *g_dialogs : real<MessageBoxDialogs>(); }
FileDialogs &fileDialogs() { return g_fileDialogs ? *g_fileDialogs : real<QtFileDialogs>(); }
Shell &shell() { return g_shell ? *g_shell : real<DesktopShell>(); }
AlarmPlayer &alarmPlayer() { return g_alarm ? *g_alarm : real<MediaAlarmPlayer>(); }

void setDialogs(Dialogs *d) { g_dialogs = d; }
void setFileDialogs(FileDialogs *d) { g_fileDialogs = d; }
void setShell(Shell *s) { g_shell = s; }
void setAlarmPlayer(AlarmPlayer *p) { g_alarm = p; }
}
