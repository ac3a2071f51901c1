#pragma once
// The record commands the two editors share, on their card and their archive:
// browsing, and writing the card over its record or at the end. Each runs its
// file work under one guard that shows the archive access error.

#include "platform/GuiServices.h"
#include "records/RecordArchive.h"
#include "ui/entry/EditorMessages.h"
#include "ui/entry/RecordCard.h"

#include <functional>

namespace RecordEditing {

// Runs work; any failure (the file, a read, a write) shows the access error,
// or that another copy of the program holds the archive, and what work changed
// so far stays. False when it failed.
bool guarded(QWidget *window, const std::function<void()> &work);

// Before a save: the day's copy of the file (the first save of the day makes
// it). False when the copy could not be made; the save goes on all the same.
bool backUpBeforeSave(const QString &path);
// After a save that went through without its copy: the user is told once in
// the run of the program, not at every save.
void warnNoBackup(QWidget *window, const QString &path);
// After a save: copies of the file dated after today (a clock once set wrong)
// are the user's to look at, as the program keeps them aside; told once in the
// run of the program.
void warnFutureCopies(QWidget *window, const QString &path);

// First, previous, next or last: the record the step finds goes through show
// (the editor's ShowPaymentRecord or ShowContactRecord); an empty archive gets
// its notice, and Next then forgets the card's record number. Previous on
// record 1 does nothing.
template <typename Record>
void browse(QWidget *window, RecordCard<Record> &card, BrowseStep step,
            const std::function<void(const Record &, int)> &show)
{
    if (step == BrowseStep::Previous && card.number() == 1)
        return;
    guarded(window, [&] {
        const auto found = RecordArchive<Record>::browse(step, card.number());
        if (found.count == 0) {
            if (step == BrowseStep::Next)
                card.setNumber(0);
            Services::information(window, EditorMessages::emptyArchive());
            return;
        }
        if (found.target > 0)
            show(found.record, found.target);
    });
}

// Writes record over the card's record, or at the end for a card not yet
// saved, and tells the user which of the two happened.
template <typename Record>
bool save(QWidget *window, RecordCard<Record> &card, const Record &record)
{
    const QString path = RecordArchive<Record>::path();
    const bool backedUp = backUpBeforeSave(path);
    return guarded(window, [&] {
        const int number = card.number();
        card.setNumber(RecordArchive<Record>::save(record, number));
        if (!backedUp)
            warnNoBackup(window, path);
        warnFutureCopies(window, path);
        Services::information(window, number ? EditorMessages::changesSaved() : EditorMessages::inserted());
    });
}

}
