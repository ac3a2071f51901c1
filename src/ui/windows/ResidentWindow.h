#pragma once
// A resident app window: opens maximised, and closing it by the title bar runs
// the same handling as its own exit picture instead of destroying it.

#include <QWidget>

class ResidentWindow : public QWidget {
    Q_OBJECT
public:
    explicit ResidentWindow(const QString &name, const QString &caption, QWidget *parent = nullptr);

protected:
    // The window's close handling; the default returns to the main menu.
    virtual void handleClose();
    void closeEvent(QCloseEvent *event) override;
    void backToMenu();
};
