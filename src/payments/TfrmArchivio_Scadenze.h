#pragma once
// The payment editor: one payment at a time as a card, browsing, new, duplicate
// and save. The only window that writes the payment file.

#include "ui/ResidentWindow.h"
#include "payments/PaymentArchive.h"

#include <functional>

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
struct PaymentRecord;

class TfrmArchivio_Scadenze : public ResidentWindow {
    Q_OBJECT
public:
    explicit TfrmArchivio_Scadenze(QWidget *parent = nullptr);

    // Puts a record read from the payment file and its 1-based number into the
    // card. The entry rules do not run on the loaded values.
    void ShowPaymentRecord(const PaymentRecord &record, int number);

    // The card.
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

    // The commands, also run by the pictures.
    void blankCard();
    void newCard();
    void browse(PaymentArchive::Step step);
    void duplicate();
    void save();
    void openDatePicker();
    void writeEmail();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The windows reached from the card: lists, search, export, help.
    void connectLinkedWindows();
    // Loads the record a list window chose, read again from the file.
    void loadChosenRecord(int number);
    void buildToolbar(QBoxLayout *layout);
    QWidget *buildCard();
    void setHints();
    void setEntryRules();
    bool dateKey(QKeyEvent *key);

    // Runs a command's file work; any failure shows the archive access error.
    void guarded(const std::function<void()> &work);
    bool requireFilled(QWidget *field, const QString &text, const QString &warning);
    PaymentRecord cardRecord() const;

    FieldRules *m_rules;
};
