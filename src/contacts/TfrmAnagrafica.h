#pragma once
#include "ui/ResidentWindow.h"

class PictureButton;

// The contacts registry app window.
class TfrmAnagrafica : public ResidentWindow {
    Q_OBJECT
public:
    explicit TfrmAnagrafica(QWidget *parent = nullptr);
    PictureButton *imgEsci;
};
