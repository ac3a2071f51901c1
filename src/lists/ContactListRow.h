#pragma once
#include "records/ContactRecord.h"

// The fixed-width row of the contact search and the contact import: name,
// fiscal code, telephone and mobile lined up for a fixed-pitch font, then the
// notes, never cut.
QString ContactListRow(const ContactRecord &record);

// The row of the pending-issues list: the same first columns, then two blanks
// and the pending issues, never cut.
QString PendingIssueRow(const ContactRecord &record);
