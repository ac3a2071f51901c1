#pragma once
// Finds payments by up to ten criteria at once, then lists them. A double-click
// hands the chosen payment to the payment editor, when it is the opener.

#include "ui/windows/SearchWindow.h"

class TfrmTrovaScadenze : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaScadenze(Opener opener = Opener::None, QWidget *parent = nullptr);

protected:
    void chooseRow(int row) override;
    ArchiveRead<QVector<ListRow>> findRows() override;
    QString countText(int rows) const override;
};
