#pragma once
// Finds contacts by up to ten criteria at once, then lists them: the contact
// search and the contact import are this one window with two openers.

#include "ui/windows/SearchWindow.h"

class ContactSearchWindow : public SearchWindow {
    Q_OBJECT
protected:
    ContactSearchWindow(const QString &name, const QString &caption, const QString &heading, const QString &printTitle,
                        Opener opener, QWidget *parent);
    ArchiveRead<QVector<ListRow>> findRows() override;
    QString countText(int rows) const override;
};
