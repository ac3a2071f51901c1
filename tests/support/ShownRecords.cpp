#include "ShownRecords.h"

#include "Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace {

// The text a box stands for: an entry box's or a drop-down's text, a hidden
// label's, "Sì" or "No" for the settled check box.
QString boxText(const QWidget *editor, const char *name)
{
    QWidget *box = child(editor, name);
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return line->text();
    if (auto *list = qobject_cast<QComboBox *>(box))
        return list->currentText();
    if (auto *check = qobject_cast<QCheckBox *>(box))
        return check->isChecked() ? QStringLiteral("Sì") : QStringLiteral("No");
    return child<QLabel>(editor, name)->text();
}

template <typename Record>
Record shown(const QWidget *editor, std::initializer_list<std::pair<QString Record::*, const char *>> boxes)
{
    Record r;
    for (const auto &[member, name] : boxes)
        r.*member = boxText(editor, name);
    return r;
}

}

PaymentRecord shownPayment(const QWidget *editor)
{
    using P = PaymentRecord;
    return shown<P>(editor, {{&P::Data, "txtData"},
                             {&P::OreApp, "txtOreApp"},
                             {&P::MinutiApp, "txtMinutiApp"},
                             {&P::Ora, "lblOra"},
                             {&P::Avviso, "txtAvviso"},
                             {&P::Tipologia, "txtTipologia"},
                             {&P::Causale, "txtCausale"},
                             {&P::Dettagli, "txtDettagli"},
                             {&P::Contatto, "txtContatto"},
                             {&P::Tel, "txtTel"},
                             {&P::Cel, "txtCel"},
                             {&P::Email, "txtEmail"},
                             {&P::Luogo, "txtLuogo"},
                             {&P::Importo, "txtImporto"},
                             {&P::Note, "txtNote"},
                             {&P::Ottemperata, "chkOttemperata"}});
}

ContactRecord shownContact(const QWidget *editor)
{
    using C = ContactRecord;
    return shown<C>(editor, {{&C::Nome, "txtNome"},
                             {&C::Indirizzo, "txtIndirizzo"},
                             {&C::Num, "txtNum"},
                             {&C::Cap01, "txtCap01"},
                             {&C::Cap02, "txtCap02"},
                             {&C::Cap03, "txtCap03"},
                             {&C::Cap04, "txtCap04"},
                             {&C::Cap05, "txtCap05"},
                             {&C::Localita, "txtLocalita"},
                             {&C::Prov01, "txtProv01"},
                             {&C::Prov02, "txtProv02"},
                             {&C::Tel, "txtTel"},
                             {&C::Email, "txtEmail"},
                             {&C::DataNasc, "txtDataNasc"},
                             {&C::Sesso, "txtSesso"},
                             {&C::LuogoNasc, "txtLuogoNasc"},
                             {&C::CodFisc, "txtCodFisc"},
                             {&C::PartitaIva, "txtPartitaIva"},
                             {&C::Iban, "txtIban"},
                             {&C::Pec, "txtPec"},
                             {&C::Carta, "txtCarta"},
                             {&C::ScadeCarta, "txtScadeCarta"},
                             {&C::Cel, "txtCel"},
                             {&C::Cittadinanza, "txtCittadinanza"},
                             {&C::Occupazione, "txtOccupazione"},
                             {&C::Civile, "txtCivile"},
                             {&C::TipoDoc, "txtTipoDoc"},
                             {&C::EnteRil, "txtEnteRil"},
                             {&C::DataRil, "txtDataRil"},
                             {&C::DataSca, "txtDataSca"},
                             {&C::Prodotti, "txtProdotti"},
                             {&C::Questioni, "txtQuestioni"},
                             {&C::Note, "txtNote"},
                             {&C::File01, "lblFile01"},
                             {&C::File02, "lblFile02"},
                             {&C::File03, "lblFile03"},
                             {&C::Desc01, "lblDesc01"},
                             {&C::Desc02, "lblDesc02"},
                             {&C::Desc03, "lblDesc03"}});
}
