#pragma once
// The whole contacts registry in a grid, one row per record in file order,
// exported to "Anagrafica.xls". Cells edited here change only the export.

#include "ui/windows/GridWindow.h"

class TfrmExpAnagrafica : public GridWindow {
    Q_OBJECT
public:
    explicit TfrmExpAnagrafica(QWidget *parent = nullptr);

protected:
    void fill() override;
};
