#pragma once
// The contact search of the contact editor: a double-click hands the chosen
// contact's record number to the editor (through recordChosen), which reads
// it again and shows it.

#include "contacts/ContactSearchWindow.h"

class TfrmTrovaAnagrafica : public ContactSearchWindow {
    Q_OBJECT
public:
    // What the contact editor writes into lblMemory before showing the window.
    static constexpr const char *Opener = "anagrafica";

    explicit TfrmTrovaAnagrafica(QWidget *parent = nullptr);

protected:
    void chooseRow(int row) override;
};
