#pragma once
// Finds payments by up to ten criteria at once, then lists them.

#include "ui/ListWindow.h"
#include "lists/PaymentLists.h"

class FieldRules;

class TfrmTrovaScadenze : public ListWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaScadenze(QWidget *parent = nullptr);

    QWidget *panAvvio;
    QLineEdit *txtData, *txtOra, *txtTipologia, *txtCausale, *txtDettagli, *txtContatto, *txtTel, *txtCel,
        *txtLuogo, *txtNote;
    QPushButton *btnCerca, *btnAnnulla;
    QLabel *lblAttendere, *lblConta, *lblMemory, *lblTrovate;

    // The boxes in the order of the criteria page, and their highlight frames.
    QList<QLineEdit *> criteriaBoxes() const { return m_boxes; }
    QWidget *frameOf(QLineEdit *box) const { return m_frames.value(box); }
    void search();

protected:
    void showEvent(QShowEvent *event) override;
    void chooseRow(int row) override;

private:
    PaymentLists::Criteria criteria() const;
    QList<QLineEdit *> m_boxes;
    QHash<QLineEdit *, QWidget *> m_frames;
    FieldRules *m_rules;
};
