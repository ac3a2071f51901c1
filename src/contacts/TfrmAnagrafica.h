#pragma once
// The contact editor: one contact at a time as a card of 33 boxes and six
// hidden attachment values, browsing, new, duplicate and save, and the way to
// the attachments, the checks, the card print and the help. The only window
// that writes the contact file.

#include "records/ContactRecord.h"
#include "records/RecordArchive.h"
#include "ui/entry/RecordCard.h"
#include "ui/windows/ResidentWindow.h"

class FieldRules;
class InfoBar;
class PictureButton;
class QBoxLayout;
class QLabel;
class QLineEdit;

class TfrmAnagrafica : public ResidentWindow {
    Q_OBJECT
public:
    explicit TfrmAnagrafica(QWidget *parent = nullptr);

    // Puts a contact and its 1-based record number into the card; touches no
    // file, shows nothing and leaves the focus where it is.
    void ShowContactRecord(int number, const ContactRecord &record);
    // A new, empty contact with the focus in the name.
    void ClearContactEditor();
    // Shows record number as it is in the file now: the chosen row of the
    // contact search, the pending issues or the contacts grid. A record that
    // cannot be read leaves the card as it was, without a message.
    void showChosenContact(int number);

    // The commands, also run by the pictures.
    void browse(BrowseStep step);
    void duplicate();
    void save();
    void writeEmail();
    void checkFiscalCode();
    void checkVatNumber();
    void checkIban();
    void checkCard();
    void openAttachments();
    void printCard();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The card's boxes, made from its field table.
    QLineEdit *txtNome, *txtIndirizzo, *txtNum;
    QLineEdit *txtCap01, *txtCap02, *txtCap03, *txtCap04, *txtCap05;
    QLineEdit *txtLocalita, *txtProv01, *txtProv02, *txtTel, *txtEmail;
    QLineEdit *txtDataNasc, *txtSesso, *txtLuogoNasc, *txtCodFisc;
    QLineEdit *txtPartitaIva, *txtIban, *txtPec;
    QLineEdit *txtCarta, *txtScadeCarta, *txtCel, *txtCittadinanza;
    QLineEdit *txtOccupazione, *txtCivile;
    QLineEdit *txtTipoDoc, *txtEnteRil, *txtDataRil, *txtDataSca;
    QLineEdit *txtProdotti, *txtQuestioni, *txtNote;
    // The attachments, seen and changed only through the attachments window.
    QLabel *lblFile01, *lblFile02, *lblFile03, *lblDesc01, *lblDesc02, *lblDesc03;
    QLabel *lblPosizione;
    PictureButton *cmdNuovo, *cmdDuplica, *cmdSalva, *cmdTrova;
    PictureButton *cmdFile, *cmdStampa;
    PictureButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo;
    PictureButton *cmdEsporta, *cmdQuestioni, *cmdGuida, *cmdEsci;
    PictureButton *btnEmail, *btnCodFisc, *btnPartitaIva, *btnIban, *btnCarta;
    InfoBar *panInfo;

    void buildToolbar(QBoxLayout *layout);
    QWidget *buildCard();
    void setHints();
    void connectCommands();
    void connectLinkedWindows();
    void setAttachments(const QStringList &files, const QStringList &descriptions);

    RecordCard<ContactRecord> m_card;
    FieldRules *m_rules;
    QWidget *m_panels[2] {};
    // The ready text of a fresh show stays until the pointer moves.
    bool m_holdReadyText = true;
};
