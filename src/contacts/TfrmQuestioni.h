#pragma once
// Every contact with pending issues, the issues at the end of its row. A
// double-click hands the contact's record number to the contact editor.

#include "ui/windows/ListWindow.h"

class TfrmQuestioni : public ListWindow {
    Q_OBJECT
public:
    explicit TfrmQuestioni(QWidget *parent = nullptr);
    void done(int result) override;

protected:
    void fill() override;
};
