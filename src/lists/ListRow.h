#pragma once
#include <QString>

// One row of a list window: its text and the record it shows.
struct ListRow {
    QString text;
    int record = 0; // 1-based record number in its file, 0 when none
};
