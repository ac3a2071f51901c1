#pragma once
// Tells whether a personal fiscal code has the right check character.

#include "contacts/CheckWindow.h"

class TfrmCodFisc : public CheckWindow {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget *parent = nullptr);

protected:
    void controlla() override;

private:
    EntryBox *txtCodFisc;
};
