#pragma once
#include "ui/ResidentWindow.h"

class PictureButton;

// The journal and balance app window.
class TfrmMenuBilancio : public ResidentWindow {
    Q_OBJECT
public:
    explicit TfrmMenuBilancio(QWidget *parent = nullptr);
    PictureButton *imgEsci;
};
