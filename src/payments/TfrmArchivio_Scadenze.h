#pragma once
// The payment editor: one payment at a time as a card, browsing, new, duplicate
// and save. The only window that writes the payment file.

#include "records/ContactRecord.h"
#include "records/PaymentRecord.h"
#include "records/RecordArchive.h"
#include "ui/entry/RecordCard.h"
#include "ui/windows/ResidentWindow.h"

class FieldRules;
class InfoBar;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class PictureButton;

class TfrmArchivio_Scadenze : public ResidentWindow {
    Q_OBJECT
public:
    explicit TfrmArchivio_Scadenze(QWidget *parent = nullptr);

    // Puts a record read from the payment file and its 1-based number into the
    // card. The entry rules do not run on the loaded values.
    void ShowPaymentRecord(const PaymentRecord &record, int number);

    // The commands, also run by the pictures.
    void blankCard();
    void newCard();
    void browse(BrowseStep step);
    void duplicate();
    void save();
    void openDatePicker();
    void writeEmail();
    // The contact import: the chosen contact's name, telephone, mobile and
    // e-mail replace those of the card; nothing else changes, nothing is saved.
    void importContact();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The card's boxes, made from its field table.
    QLineEdit *txtData;
    QComboBox *txtOreApp, *txtMinutiApp;
    QLabel *lblOra;
    QLineEdit *txtAvviso;
    QComboBox *txtTipologia;
    QLineEdit *txtCausale, *txtDettagli, *txtContatto, *txtTel, *txtCel, *txtEmail, *txtLuogo, *txtImporto, *txtNote;
    QCheckBox *chkOttemperata;
    QLabel *lblPosizione;

    // Commands. The search, print, export, list, help and contact import pictures
    // belong to windows of their own, which connect to them.
    PictureButton *cmdNuovo, *cmdDuplica, *cmdSalva;
    PictureButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo;
    PictureButton *cmdTrova, *cmdAnteprima, *cmdStampa, *cmdEsporta;
    PictureButton *cmdAssolti, *cmdDaAssolvere, *cmdScaduti, *cmdGuida, *cmdEsci;
    PictureButton *impData, *impContatto, *btnEmail;
    QPushButton *btnFocus;
    InfoBar *panInfo;

    // The windows reached from the card: lists, search, export, help.
    void connectLinkedWindows();
    // Loads the record a list window chose, read again from the file.
    void loadChosenRecord(int number);
    void takeContact(const ContactRecord &contact);
    void buildToolbar(QBoxLayout *layout);
    QWidget *buildCard();
    void setHints();
    void setEntryRules();
    bool dateKey(QKeyEvent *key);
    bool requireFilled(QWidget *field, const QString &text, const QString &warning);

    RecordCard<PaymentRecord> m_card;
    FieldRules *m_rules;
    // Save is leaving the box being edited: its own checks speak.
    bool m_saving = false;
};
