#include "payments/PaymentCardWindow.h"

#include "payments/PaymentCard.h"
#include "platform/Services.h"
#include "report/CardReport.h"

PaymentCardWindow::PaymentCardWindow(QWidget *parent, const QString &objectName, const QString &caption,
                                     const QString &actionText, const QString &picture, const QString &instructions)
    : CardPrintWindow(parent,
                      {objectName, caption, QStringLiteral("Scheda del pagamento"),
                       QStringLiteral(":/pictures/note.svg"), picture, instructions, actionText},
                      CardReport::layout(PaymentCard::layoutName(), PaymentCard::title(), PaymentCard::labels(),
                                         PaymentCard::boxes(), PaymentCard::FooterTop))
{
}

PreparedReport PaymentCardWindow::preparedCard() const
{
    const Clock &clock = Services::clock();
    return CardReport::prepare(repDocumento, PaymentCard::values(m_payment), clock.today(), clock.now());
}
