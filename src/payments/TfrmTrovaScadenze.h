#pragma once
// Finds payments by up to ten criteria at once, then lists them.

#include "ui/windows/SearchWindow.h"

class TfrmTrovaScadenze : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaScadenze(QWidget *parent = nullptr);

    QLineEdit *txtData, *txtOra, *txtTipologia, *txtCausale, *txtDettagli, *txtContatto, *txtTel, *txtCel,
        *txtLuogo, *txtNote;

protected:
    void chooseRow(int row) override;
    ArchiveRead<QVector<ListRow>> findRows() override;
    QString countText(int rows) const override;
};
