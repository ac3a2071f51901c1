#include "SilentServices.h"

bool SilentReportOutput::preview(QWidget *parent, const PreparedReport &report)
{
    if (onPreview)
        onPreview(parent, report);
    return true;
}
