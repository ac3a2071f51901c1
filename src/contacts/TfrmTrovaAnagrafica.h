#pragma once
// The contact search of the contact editor: a double-click hands the chosen
// contact's record number to the editor (through recordChosen), which reads
// it again and shows it.

#include "contacts/ContactSearchWindow.h"

class TfrmTrovaAnagrafica : public ContactSearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaAnagrafica(Opener opener = Opener::None, QWidget *parent = nullptr);

protected:
    void chooseRow(int row) override;
};
