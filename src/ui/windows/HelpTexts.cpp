#include "ui/windows/HelpTexts.h"

#include <QStringList>

namespace {
HelpTopic topic(const QString &title, const QStringList &paragraphs)
{
    return {title, paragraphs.join(QLatin1String(HelpTexts::ParagraphBreak))};
}
}

namespace HelpTexts {

HelpTopic forMainMenu()
{
    return topic(
        QStringLiteral("Uno sguardo a Tarvenio 3.0"),
        {
            QStringLiteral(
                "Tarvenio 3.0 è un software che consente di tenere sotto controllo qualsiasi tipo di pagamento "
                "giornaliero, mensile o annuale in entrata o in uscita e di essere avvertiti al sopraggiungere "
                "della data di scadenza."),
            QStringLiteral(
                "Il programma è composto da tre app, che si aprono dal menu principale facendo clic sulla loro "
                "immagine o sul pulsante sottostante: Archivio Anagrafico, Gestione Scadenze e Primanota e "
                "Bilancio. Ogni app occupa l'intero schermo; chiudendola si torna a questo menu."),
            QStringLiteral(
                "L'app Archivio Anagrafico è la rubrica dei clienti, dei fornitori e di tutte le persone o ditte "
                "con cui si hanno rapporti di pagamento. Per ogni contatto si possono registrare i recapiti, i "
                "dati anagrafici e fiscali, le coordinate bancarie, le questioni in sospeso e fino a tre "
                "documenti allegati; il programma verifica la correttezza del codice fiscale, della partita "
                "IVA, dell'IBAN e del numero della carta di credito."),
            QStringLiteral(
                "L'app Gestione Scadenze è il cuore del programma: ogni volta che viene aperta elenca i pagamenti "
                "la cui scadenza si avvicina, tenendo conto dei giorni di preavviso indicati per ciascuno, e ne "
                "segnala la presenza con un messaggio e un breve avviso sonoro. Da qui si consultano le scadenze "
                "del giorno o del mese scelto sul calendario e si accede all'Archivio Pagamenti, dove i "
                "pagamenti vengono registrati, modificati, cercati, stampati ed esportati in Microsoft Excel."),
            QStringLiteral(
                "L'app Primanota e Bilancio mostra i movimenti in entrata e in uscita di un periodo dell'anno, "
                "eventualmente limitati a una causale, con il totale delle entrate, il totale delle uscite e il "
                "bilancio tra le due voci. Il riepilogo può essere stampato."),
            QStringLiteral(
                "Tutti i dati sono conservati nella cartella del programma: per trasferire Tarvenio su un altro "
                "computer, o per farne una copia di sicurezza, è sufficiente copiare l'intera cartella. "
                "L'accesso è protetto da una password, che si può cambiare dalla finestra di accesso con il "
                "pulsante Cambia password."),
            QStringLiteral(
                "In ogni app l'icona della guida apre le istruzioni dedicate a quella schermata. Dalla guida si "
                "può aprire anche il manuale completo in formato PDF."),
        });
}

HelpTopic forContacts()
{
    return topic(
        QStringLiteral("App Archivio Anagrafico"),
        {
            QStringLiteral(
                "L'app Archivio Anagrafico raccoglie i dati delle persone e delle ditte che effettuano o ricevono "
                "pagamenti, in modo da poterli importare con un clic nelle schede dell'Archivio Pagamenti. Si "
                "può usare anche come una normale rubrica: consente di inviare e-mail ai contatti e di "
                "verificare la correttezza di codici fiscali, partite IVA, codici IBAN e numeri di carte di "
                "credito."),
            QStringLiteral(
                "Per inserire un nuovo contatto fare clic su Nuovo, compilare la scheda e premere Salva: la scheda "
                "viene aggiunta in fondo all'archivio. Per modificare un contatto già registrato, richiamarlo con "
                "le frecce di scorrimento o con la funzione Trova, apportare le modifiche e premere di nuovo "
                "Salva. Il numero tra le frecce indica la posizione della scheda in archivio."),
            QStringLiteral(
                "Ogni scheda può contenere il nome o la ragione sociale, l'indirizzo completo, i numeri di "
                "telefono, l'indirizzo e-mail e la PEC, i dati di nascita, il codice fiscale, la partita IVA, "
                "l'IBAN, la carta di credito con la sua scadenza, la cittadinanza, l'occupazione, lo stato "
                "civile, gli estremi di un documento di riconoscimento, i servizi di interesse, le questioni in "
                "sospeso e delle note libere. Quando il campo Questioni in sospeso contiene del testo, il "
                "contatto compare nel riepilogo che si apre con il pulsante del triangolo giallo: un modo rapido "
                "per ricordare chi attende una risposta, un documento o un pagamento."),
            QStringLiteral(
                "Il pulsante Duplica serve a registrare schede simili tra loro, per esempio i componenti di una "
                "famiglia che vivono allo stesso indirizzo: i dati della scheda corrente restano sullo schermo "
                "come una nuova scheda non ancora salvata, nella quale basta correggere ciò che cambia e premere "
                "Salva. Si può duplicare soltanto una scheda già presente in archivio."),
            QStringLiteral(
                "La funzione Trova cerca i contatti combinando fino a dieci filtri: nome, località, telefono, data "
                "di nascita, codice fiscale, partita IVA, occupazione, servizi di interesse, questioni in sospeso "
                "e note. Basta scrivere anche solo una parte del testo cercato, senza badare alle maiuscole; "
                "vengono trovati i contatti che soddisfano tutti i filtri compilati. Con un doppio clic su un "
                "contatto dell'elenco la sua scheda viene mostrata nell'archivio."),
            QStringLiteral(
                "A ogni contatto si possono allegare fino a tre file di qualsiasi tipo, per esempio la scansione "
                "di un documento d'identità o un contratto, ciascuno con una breve descrizione. I file scelti "
                "vengono copiati nella cartella Documenti_Allegati del programma e il pulsante Apri accanto a "
                "ciascuno lo apre con il programma predefinito. Gli allegati entrano a far parte della scheda "
                "quando questa viene salvata."),
            QStringLiteral(
                "I pulsanti accanto al codice fiscale, alla partita IVA, all'IBAN e al numero della carta di "
                "credito ne verificano la correttezza; il controllo della partita IVA indica anche l'ufficio "
                "provinciale che l'ha rilasciata. Il pulsante accanto all'indirizzo e-mail apre il programma di "
                "posta con un nuovo messaggio per il contatto. Infine, la scheda corrente può essere stampata e "
                "l'intero archivio può essere esportato in un file di Microsoft Excel."),
        });
}

HelpTopic forAgenda()
{
    return topic(
        QStringLiteral("App Gestione Scadenze"),
        {
            QStringLiteral(
                "L'app Gestione Scadenze tiene sotto controllo tutti i pagamenti programmati, da effettuare o da "
                "ricevere, e avverte quando la loro data di scadenza si avvicina. Ogni pagamento è registrato con "
                "la sua tipologia (in entrata o in uscita), una causale e la persona o la ditta a cui si "
                "riferisce."),
            QStringLiteral(
                "La schermata iniziale segnala i pagamenti imminenti e riassume quelli di un giorno o di un mese "
                "a scelta. Le schede dei pagamenti non si modificano qui: per inserirle, correggerle o indicare "
                "che un impegno è stato assolto si apre l'Archivio Pagamenti con il pulsante dedicato."),
            QStringLiteral(
                "All'apertura dell'app un messaggio e un breve avviso sonoro indicano se ci sono scadenze "
                "imminenti. Le scadenze sono elencate in un riepilogo che può essere stampato oppure esportato in "
                "Microsoft Excel; la griglia di esportazione mostra tutti i dettagli di ogni pagamento."),
            QStringLiteral(
                "Questa schermata serve soltanto alla consultazione e non modifica mai l'archivio. I due pulsanti "
                "sotto il calendario mostrano i pagamenti del giorno selezionato e quelli dell'intero mese a cui "
                "il giorno appartiene."),
            QStringLiteral(
                "L'elenco delle scadenze imminenti tiene conto dei giorni di preavviso indicati in ogni scheda: un "
                "pagamento vi compare dal giorno in cui inizia il suo preavviso e vi resta finché non viene "
                "segnato come assolto. Per questo l'elenco può contenere anche pagamenti che scadono tra molti "
                "giorni."),
            QStringLiteral("Nella griglia di esportazione i pagamenti sono ordinati per data e ora di scadenza, "
                           "indipendentemente dall'ordine in cui sono stati inseriti in archivio."),
        });
}

HelpTopic forPaymentEditor()
{
    return topic(
        QStringLiteral("App Archivio Pagamenti"),
        {
            QStringLiteral(
                "L'app Archivio Pagamenti va utilizzata per registrare o modificare le scadenze riguardanti i "
                "pagamenti in entrata e in uscita. Ogni scheda descrive un pagamento: la data e l'ora della "
                "scadenza, i giorni di preavviso, la tipologia, la causale con i suoi dettagli, la persona o la "
                "ditta interessata con i suoi recapiti, il luogo, l'importo e delle note."),
            QStringLiteral(
                "Per registrare un nuovo pagamento fare clic su Nuovo, compilare la scheda e premere Salva. Sono "
                "obbligatori la data di scadenza, i giorni di preavviso, la tipologia, la causale e il nome del "
                "contatto: se ne manca uno, il programma lo segnala e porta il cursore nel campo da completare. "
                "Salvando una scheda richiamata dall'archivio, le modifiche sostituiscono i dati precedenti. "
                "Passando a un'altra scheda o iniziandone una nuova, le modifiche non salvate vanno perse senza "
                "alcuna richiesta di conferma."),
            QStringLiteral(
                "La data di scadenza si sceglie dal calendario, che si apre con l'icona accanto al campo o "
                "premendo un tasto qualsiasi nel campo stesso; i tasti Canc e Backspace lo svuotano. Ora e minuti "
                "si scelgono dagli elenchi, come la tipologia, che può essere In entrata o In uscita. L'importo "
                "accetta soltanto cifre e la virgola e viene sempre riportato con due decimali. Il tasto Invio "
                "porta il cursore al campo successivo."),
            QStringLiteral(
                "Il nome, il telefono, il cellulare e l'indirizzo e-mail della persona o della ditta possono "
                "essere importati dall'Archivio Anagrafico con l'icona accanto al campo Persona / Ditta. Il "
                "pulsante accanto all'indirizzo e-mail apre il programma di posta con un nuovo messaggio."),
            QStringLiteral(
                "I giorni di preavviso stabiliscono con quanto anticipo il pagamento deve comparire tra le "
                "scadenze imminenti dell'app Gestione Scadenze: con 0 giorni compare il giorno stesso della "
                "scadenza, con 10 giorni compare dieci giorni prima. Un pagamento scaduto e non ancora assolto "
                "continua a essere segnalato."),
            QStringLiteral(
                "Quando un pagamento è stato effettuato o incassato, richiamare la sua scheda, spuntare la casella "
                "Impegno assolto e salvare: da quel momento il pagamento non compare più tra le scadenze "
                "imminenti."),
            QStringLiteral(
                "Il pulsante Duplica è utile per i pagamenti che si ripetono, come un affitto o una rata: la scheda "
                "corrente diventa una nuova scheda senza data e senza ora, alla quale basta assegnare la nuova "
                "scadenza prima di salvarla. Si può duplicare soltanto una scheda già presente in archivio."),
            QStringLiteral(
                "Le frecce permettono di scorrere le schede dell'archivio una alla volta; il numero tra le frecce "
                "indica la posizione della scheda visualizzata. La funzione Trova cerca i pagamenti combinando "
                "fino a dieci filtri, come la data, la causale o il contatto; con un doppio clic su un pagamento "
                "dell'elenco trovato la sua scheda viene mostrata nell'archivio."),
            QStringLiteral(
                "Tre riepiloghi mostrano a colpo d'occhio la situazione: gli impegni da assolvere, scaduti o no, "
                "gli impegni scaduti e non ancora assolti e gli impegni già assolti. Ogni riepilogo può essere "
                "stampato, e con un doppio clic su una voce si richiama la scheda corrispondente."),
            QStringLiteral(
                "La scheda visualizzata può essere stampata, anche dopo averne controllato l'anteprima di stampa; "
                "viene stampato ciò che compare sullo schermo, anche se non è ancora stato salvato. Il pulsante "
                "Esporta mostra l'intero archivio in una griglia e lo salva in un file di Microsoft Excel."),
        });
}

HelpTopic forPaymentSummaries()
{
    return topic(
        QStringLiteral("Visualizzazione scadenze pagamenti"),
        {
            QStringLiteral(
                "Le scadenze imminenti compaiono da sole nella schermata dell'app Gestione Scadenze, ogni volta "
                "che viene aperta. Il pulsante Esporta in Excel le mostra in questa griglia con tutti i loro "
                "dettagli, pronte per essere esportate in un file di Microsoft Excel."),
            QStringLiteral(
                "Un pagamento esce dall'elenco delle scadenze imminenti quando, nell'Archivio Pagamenti, si spunta "
                "la casella Impegno assolto e si salva la scheda."),
            QStringLiteral(
                "L'elenco tiene conto dei giorni di preavviso indicati in ogni scheda: un pagamento vi compare dal "
                "giorno in cui inizia il suo preavviso, anche se la scadenza è ancora lontana."),
            QStringLiteral(
                "I due pulsanti sotto il calendario dell'app Gestione Scadenze mostrano, in una griglia come "
                "questa, tutti i pagamenti del giorno selezionato oppure quelli dell'intero mese, assolti o no."),
            QStringLiteral(
                "Nella griglia i pagamenti sono ordinati per data e ora di scadenza, qualunque sia l'ordine in cui "
                "sono stati inseriti. Facendo clic sull'icona di Excel il file viene scritto subito nella "
                "cartella del programma, pronto per essere aperto."),
        });
}

HelpTopic forPaymentExport()
{
    return topic(
        QStringLiteral("Esportazione archivio pagamenti in Microsoft Excel"),
        {
            QStringLiteral(
                "L'esportazione scrive tutte le schede dell'Archivio Pagamenti, una per riga, in un foglio di "
                "lavoro che si può aprire con Microsoft Excel o con qualsiasi altro programma in grado di leggere "
                "i file in formato XLS."),
            QStringLiteral(
                "Facendo clic sull'icona di Excel il file viene creato subito nella cartella del programma; al "
                "termine il programma chiede se si desidera aprirlo."),
            QStringLiteral(
                "Il file viene riscritto a ogni esportazione: per conservarne una copia, aprirlo con il programma "
                "del foglio di calcolo e salvarlo con il nome e nella cartella che si preferiscono."),
        });
}

HelpTopic forContactsExport()
{
    return topic(
        QStringLiteral("Esportazione archivio anagrafico in Microsoft Excel"),
        {
            QStringLiteral(
                "L'esportazione scrive tutti i contatti dell'Archivio Anagrafico, uno per riga, in un foglio di "
                "lavoro che si può aprire con Microsoft Excel o con qualsiasi altro programma in grado di leggere "
                "i file in formato XLS."),
            QStringLiteral(
                "Facendo clic sull'icona di Excel il file viene creato subito nella cartella del programma; al "
                "termine il programma chiede se si desidera aprirlo."),
            QStringLiteral(
                "Il file viene riscritto a ogni esportazione: per conservarne una copia, aprirlo con il programma "
                "del foglio di calcolo e salvarlo con il nome e nella cartella che si preferiscono."),
        });
}

HelpTopic forJournal()
{
    return topic(
        QStringLiteral("App Primanota e Bilancio"),
        {
            QStringLiteral(
                "L'app Primanota e Bilancio mostra e stampa la primanota dei movimenti in entrata e in uscita di "
                "un anno solare, con il totale degli incassi, il totale delle spese e il bilancio, cioè la "
                "differenza tra i due totali, che può essere positiva o negativa."),
            QStringLiteral(
                "Per ottenere il riepilogo indicare l'anno, l'eventuale causale e i giorni di inizio e di fine "
                "dell'intervallo, quindi premere Visualizza riepilogo. Lasciando vuota la causale si vedono tutti "
                "i movimenti dell'intervallo; scrivendola, soltanto quelli la cui causale contiene il testo "
                "indicato."),
            QStringLiteral(
                "Ogni riga riporta la tipologia del movimento, la data e l'ora, la causale, la persona o la ditta, "
                "il numero di cellulare, l'indicazione dell'impegno assolto e l'importo. Sotto l'elenco compaiono "
                "il totale delle entrate, il totale delle uscite e il bilancio."),
            QStringLiteral(
                "La primanota può essere stampata con il pulsante Stampa primanota; la casella Trova permette di "
                "cercare una voce nell'elenco."),
        });
}

}
