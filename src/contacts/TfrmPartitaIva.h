#pragma once
// Tells whether a VAT number has the right check digit and names the office that issued it.

#include "contacts/CheckWindow.h"

class TfrmPartitaIva : public CheckWindow {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget *parent = nullptr);

protected:
    void controlla() override;

private:
    EntryBox *txtPartitaIva;
};
