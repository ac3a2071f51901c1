#pragma once
// The help of every window that has one: a topic title and a text of
// paragraphs separated by an empty line (CR LF CR LF), shown by TfrmGuida.

#include <QString>

struct HelpTopic {
    QString title;
    QString text;
};

namespace HelpTexts {
inline constexpr char ParagraphBreak[] = "\r\n\r\n";

HelpTopic forMainMenu();         // TfrmAvvio, imgGuida
HelpTopic forContacts();         // TfrmAnagrafica, cmdGuida
HelpTopic forAgenda();           // TfrmAgenda, imgGuida
HelpTopic forPaymentEditor();    // TfrmArchivio_Scadenze, cmdGuida
HelpTopic forPaymentSummaries(); // TfrmExpImminenti, TfrmExpGiornaliere, TfrmExpMensili, cmdGuida
HelpTopic forPaymentExport();    // TfrmExpScadenzario, cmdGuida
HelpTopic forContactsExport();   // TfrmExpAnagrafica, cmdGuida
HelpTopic forJournal();          // TfrmBilancio, imgGuida
}
