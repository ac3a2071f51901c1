#include "SampleArchive.h"

#include "records/ContactRecord.h"
#include "records/DateText.h"
#include "records/PaymentRecord.h"
#include "records/RecordArchive.h"

#include <QFile>

namespace {

struct Payment {
    int dayOffset; // from today
    const char *time;
    int notice;
    bool incoming;
    const char *cause;
    const char *details;
    const char *contact;
    const char *phone;
    const char *mobile;
    const char *email;
    const char *place;
    const char *amount;
    bool settled;
};

// Dates are days from today, so that the agenda always has something to say:
// a few unsettled payments inside their notice period (one already overdue),
// some settled ones in the weeks before, some later ones still far away.
const Payment kPayments[] = {
    {-48, "09:00", 5, false, "Affitto ufficio", "Canone di marzo, via Indipendenza 12", "Immobiliare Rossi S.r.l.",
     "051 234567", "335 1234567", "amministrazione@immobiliarerossi.it", "Bologna", "850,00", true},
    {-41, "15:30", 10, true, "Fattura n. 87/2025", "Consulenza fiscale del primo trimestre", "Studio Verdi",
     "051 765432", "347 7654321", "segreteria@studioverdi.it", "Bologna", "1450,00", true},
    {-27, "12:00", 7, false, "Bolletta gas", "Periodo febbraio - marzo", "Energia Nord S.p.A.", "800 123456", "",
     "clienti@energianord.it", "Bologna", "186,40", true},
    {-18, "09:00", 5, false, "Affitto ufficio", "Canone di aprile, via Indipendenza 12", "Immobiliare Rossi S.r.l.",
     "051 234567", "335 1234567", "amministrazione@immobiliarerossi.it", "Bologna", "850,00", true},
    {-12, "10:00", 3, false, "Compenso collaboratrice", "Aprile, nota di prestazione n. 4", "Laura Ferri", "051 554433",
     "328 9988776", "laura.ferri@example.it", "Bologna", "980,00", true},
    {-5, "11:00", 5, true, "Fattura n. 102/2025", "Manutenzione impianti, secondo acconto", "Bianchi S.r.l.",
     "051 445566", "339 1122334", "ordini@bianchisrl.it", "Casalecchio di Reno", "2300,00", true},
    {-3, "09:00", 5, false, "Rata prestito", "Rata n. 14 di 36", "Banca di Bologna", "051 998877", "",
     "filiale12@bancadibologna.it", "Bologna", "412,75", false},
    {0, "16:00", 7, false, "Bolletta energia elettrica", "Periodo marzo - aprile", "Energia Nord S.p.A.", "800 123456",
     "", "clienti@energianord.it", "Bologna", "214,37", false},
    {2, "10:30", 5, true, "Fattura n. 118/2025", "Consulenza fiscale, dichiarazione dei redditi", "Studio Verdi",
     "051 765432", "347 7654321", "segreteria@studioverdi.it", "Bologna", "1200,00", false},
    {6, "09:00", 10, false, "Affitto ufficio", "Canone di maggio, via Indipendenza 12", "Immobiliare Rossi S.r.l.",
     "051 234567", "335 1234567", "amministrazione@immobiliarerossi.it", "Bologna", "850,00", false},
    {9, "14:00", 15, true, "Canone assistenza software", "Contratto annuale, secondo semestre", "Bianchi S.r.l.",
     "051 445566", "339 1122334", "ordini@bianchisrl.it", "Casalecchio di Reno", "450,00", false},
    {18, "12:00", 30, false, "Premio assicurazione", "Polizza RC ufficio n. 55/1234", "Assicurazioni Zanetti",
     "051 332211", "338 4455667", "agenzia@zanetti.it", "San Lazzaro di Savena", "620,00", false},
    {29, "09:00", 5, false, "Affitto ufficio", "Canone di giugno, via Indipendenza 12", "Immobiliare Rossi S.r.l.",
     "051 234567", "335 1234567", "amministrazione@immobiliarerossi.it", "Bologna", "850,00", false},
    {44, "11:00", 5, true, "Fattura n. 131/2025", "Consulenza contrattuale", "Giuseppe Zanetti", "051 332211",
     "338 4455667", "g.zanetti@example.it", "San Lazzaro di Savena", "780,00", false},
    {64, "10:00", 15, false, "Modello F24", "Imposte, acconto e saldo", "Agenzia delle Entrate", "800 909696", "", "",
     "Bologna", "1835,00", false},
};

// The payment the editor shows: the next office rent.
constexpr int kShownPayment = 10;

QString text(const char *s) { return QString::fromUtf8(s); }

PaymentRecord payment(const Payment &p, QDate today)
{
    PaymentRecord r;
    r.Data = DateText::format(today.addDays(p.dayOffset));
    const QString time = text(p.time);
    r.OreApp = time.left(2);
    r.MinutiApp = time.right(2);
    r.Ora = time;
    r.Avviso = QString::number(p.notice);
    r.Tipologia = p.incoming ? QStringLiteral("In entrata") : QStringLiteral("In uscita");
    r.Causale = text(p.cause);
    r.Dettagli = text(p.details);
    r.Contatto = text(p.contact);
    r.Tel = text(p.phone);
    r.Cel = text(p.mobile);
    r.Email = text(p.email);
    r.Luogo = text(p.place);
    r.Importo = text(p.amount);
    r.Ottemperata = p.settled ? QStringLiteral("Sì") : QStringLiteral("No");
    return r;
}

void setPostcode(ContactRecord &r, const char *cap, const char *province)
{
    QString *digits[] = {&r.Cap01, &r.Cap02, &r.Cap03, &r.Cap04, &r.Cap05};
    for (int i = 0; i < 5; ++i)
        *digits[i] = QString(QLatin1Char(cap[i]));
    r.Prov01 = QString(QLatin1Char(province[0]));
    r.Prov02 = QString(QLatin1Char(province[1]));
}

QVector<ContactRecord> contacts()
{
    QVector<ContactRecord> out;

    ContactRecord rossi;
    rossi.Nome = QStringLiteral("Immobiliare Rossi S.r.l.");
    rossi.Indirizzo = QStringLiteral("Via Indipendenza");
    rossi.Num = QStringLiteral("40");
    setPostcode(rossi, "40121", "BO");
    rossi.Localita = QStringLiteral("Bologna");
    rossi.Tel = QStringLiteral("051 234567");
    rossi.Cel = QStringLiteral("335 1234567");
    rossi.Email = QStringLiteral("amministrazione@immobiliarerossi.it");
    rossi.Pec = QStringLiteral("immobiliarerossi@pec.it");
    rossi.PartitaIva = QStringLiteral("03123450375");
    rossi.Iban = QStringLiteral("IT94A0306902480100000012345");
    rossi.Occupazione = QStringLiteral("Locazioni e gestione immobili");
    rossi.Prodotti = QStringLiteral("Affitto dell'ufficio");
    rossi.Note = QStringLiteral("Canone dovuto entro il 5 di ogni mese");
    out << rossi;

    ContactRecord verdi;
    verdi.Nome = QStringLiteral("Studio Verdi");
    verdi.Indirizzo = QStringLiteral("Strada Maggiore");
    verdi.Num = QStringLiteral("23");
    setPostcode(verdi, "40125", "BO");
    verdi.Localita = QStringLiteral("Bologna");
    verdi.Tel = QStringLiteral("051 765432");
    verdi.Cel = QStringLiteral("347 7654321");
    verdi.Email = QStringLiteral("segreteria@studioverdi.it");
    verdi.CodFisc = QStringLiteral("VRDMRC70C15F257U");
    verdi.PartitaIva = QStringLiteral("02847100365");
    verdi.Occupazione = QStringLiteral("Commercialista");
    verdi.Prodotti = QStringLiteral("Consulenza fiscale e contabile");
    verdi.Questioni = QStringLiteral("Attende il rendiconto delle spese di aprile");
    out << verdi;

    ContactRecord ferri;
    ferri.Nome = QStringLiteral("Laura Ferri");
    ferri.Indirizzo = QStringLiteral("Via San Vitale");
    ferri.Num = QStringLiteral("18");
    setPostcode(ferri, "40125", "BO");
    ferri.Localita = QStringLiteral("Bologna");
    ferri.Tel = QStringLiteral("051 554433");
    ferri.Cel = QStringLiteral("328 9988776");
    ferri.Email = QStringLiteral("laura.ferri@example.it");
    ferri.Pec = QStringLiteral("laura.ferri@pec.example.it");
    ferri.DataNasc = QStringLiteral("23/09/1982");
    ferri.Sesso = QStringLiteral("F");
    ferri.LuogoNasc = QStringLiteral("Bologna");
    ferri.CodFisc = QStringLiteral("FRRLRA82P63A944Y");
    ferri.PartitaIva = QStringLiteral("01998870156");
    ferri.Iban = QStringLiteral("IT60X0542811101000000123456");
    ferri.Carta = QStringLiteral("4532015112830366");
    ferri.ScadeCarta = QStringLiteral("09/2028");
    ferri.Cittadinanza = QStringLiteral("Italiana");
    ferri.Occupazione = QStringLiteral("Grafica pubblicitaria");
    ferri.Civile = QStringLiteral("Coniugata");
    ferri.TipoDoc = QStringLiteral("Carta d'identità CA12345BO");
    ferri.EnteRil = QStringLiteral("Comune di Bologna");
    ferri.DataRil = QStringLiteral("14/03/2022");
    ferri.DataSca = QStringLiteral("23/09/2032");
    ferri.Prodotti = QStringLiteral("Grafica e stampa dei cataloghi");
    ferri.Questioni = QStringLiteral("Inviare il contratto firmato per il 2025");
    ferri.Note = QStringLiteral("Collaboratrice: compenso mensile con nota di prestazione");
    ferri.File01 = QStringLiteral("Carta_identita_Ferri.pdf");
    ferri.Desc01 = QStringLiteral("Carta d'identità, fronte e retro");
    ferri.File02 = QStringLiteral("Contratto_collaborazione_2024.pdf");
    ferri.Desc02 = QStringLiteral("Contratto di collaborazione 2024");
    out << ferri;

    ContactRecord bianchi;
    bianchi.Nome = QStringLiteral("Bianchi S.r.l.");
    bianchi.Indirizzo = QStringLiteral("Via Porrettana");
    bianchi.Num = QStringLiteral("112");
    setPostcode(bianchi, "40033", "BO");
    bianchi.Localita = QStringLiteral("Casalecchio di Reno");
    bianchi.Tel = QStringLiteral("051 445566");
    bianchi.Cel = QStringLiteral("339 1122334");
    bianchi.Email = QStringLiteral("ordini@bianchisrl.it");
    bianchi.PartitaIva = QStringLiteral("04512340375");
    bianchi.Occupazione = QStringLiteral("Impianti elettrici");
    bianchi.Prodotti = QStringLiteral("Assistenza software, manutenzione");
    out << bianchi;

    ContactRecord zanetti;
    zanetti.Nome = QStringLiteral("Giuseppe Zanetti");
    zanetti.Indirizzo = QStringLiteral("Via Emilia");
    zanetti.Num = QStringLiteral("251");
    setPostcode(zanetti, "40068", "BO");
    zanetti.Localita = QStringLiteral("San Lazzaro di Savena");
    zanetti.Tel = QStringLiteral("051 332211");
    zanetti.Cel = QStringLiteral("338 4455667");
    zanetti.Email = QStringLiteral("g.zanetti@example.it");
    zanetti.DataNasc = QStringLiteral("02/06/1958");
    zanetti.Sesso = QStringLiteral("M");
    zanetti.LuogoNasc = QStringLiteral("Pianoro");
    zanetti.CodFisc = QStringLiteral("ZNTGPP58H02G337U");
    zanetti.Occupazione = QStringLiteral("Agente assicurativo");
    zanetti.Prodotti = QStringLiteral("Polizze dell'ufficio");
    out << zanetti;

    ContactRecord energia;
    energia.Nome = QStringLiteral("Energia Nord S.p.A.");
    energia.Indirizzo = QStringLiteral("Viale Aldo Moro");
    energia.Num = QStringLiteral("64");
    setPostcode(energia, "40127", "BO");
    energia.Localita = QStringLiteral("Bologna");
    energia.Tel = QStringLiteral("800 123456");
    energia.Email = QStringLiteral("clienti@energianord.it");
    energia.Occupazione = QStringLiteral("Fornitura di luce e gas");
    energia.Prodotti = QStringLiteral("Utenze dell'ufficio");
    out << energia;

    return out;
}

// The contact the editor shows: the one with every part of the card filled.
constexpr int kShownContact = 3;

}

namespace SampleArchive {

QDate today() { return QDate(2025, 5, 12); }

int shownPayment() { return kShownPayment; }

int shownContact() { return kShownContact; }

void write()
{
    // Through the archive, as the editors save: each record appended in turn.
    QFile::remove(PaymentArchive::path());
    QFile::remove(ContactArchive::path());
    for (const Payment &p : kPayments)
        PaymentArchive::save(payment(p, today()), 0);
    for (const ContactRecord &c : contacts())
        ContactArchive::save(c, 0);
}

}
