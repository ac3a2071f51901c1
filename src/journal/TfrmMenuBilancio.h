#pragma once
// The journal app window: the year, an optional cause and an interval of that
// year, checked before the register is opened over it.

#include "ui/windows/ResidentWindow.h"

class EntryBox;
class FieldRules;
class FocusFrame;
class PictureButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

class TfrmMenuBilancio : public ResidentWindow {
    Q_OBJECT
public:
    explicit TfrmMenuBilancio(QWidget *parent = nullptr);

    // "Visualizza riepilogo": checks the choice and opens the register.
    void visualizza();

protected:
    void showEvent(QShowEvent *event) override;

private:
    EntryBox *txtAnno, *txtCausale;
    QComboBox *txtGiornoInizio, *txtMeseInizio, *txtGiornoFine, *txtMeseFine;
    QLabel *lblAnnoInizio, *lblAnnoFine, *lblDataInizio, *lblDataFine;
    QGroupBox *grpDataInizio, *grpDataFine;
    QPushButton *btnVisualizza, *btnEsci;
    PictureButton *imgEsci;
    QLabel *lblAttendere;
    FocusFrame *effAnno, *effCausale, *effGiornoInizio, *effMeseInizio, *effGiornoFine, *effMeseFine;
    QLabel *lblCampo01, *lblCampo02, *lblCampo03;
    QLabel *titAnno, *titCausale, *titGiornoInizio, *titMeseInizio, *titGiornoFine, *titMeseFine;

    QWidget *buildCard();
    QGroupBox *buildDateGroup(const QString &name, const QString &title, QComboBox *&day, QLabel *&dayCaption,
                              QComboBox *&month, QLabel *&monthCaption, QLabel *&year, FocusFrame *&dayFrame,
                              FocusFrame *&monthFrame, const QString &dayFrameName, const QString &monthFrameName);
    void setEntryRules();
    void copyYear();
    // Shows a refusal, puts the focus on `focus` (when given) and hides the waiting label.
    void refuse(bool warning, const QString &text, QWidget *focus);
    void openRegister();

    FieldRules *m_rules;
};
