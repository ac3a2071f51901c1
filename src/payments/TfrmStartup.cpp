#include "payments/TfrmStartup.h"

#include "platform/GuiServices.h"
#include "report/ReportOutput.h"

namespace {
const QString kPreviewFailed = QStringLiteral("Attenzione: non è stato possibile mostrare l'anteprima di stampa.");
}

TfrmStartup::TfrmStartup(QWidget *parent)
    : PaymentCardWindow(parent, QStringLiteral("TfrmStartup"), QStringLiteral(" Anteprima di stampa"),
                        QStringLiteral("Mostra anteprima"), QStringLiteral(":/pictures/anteprima.svg"),
                        QStringLiteral("Premere \"Mostra anteprima\" per vedere la scheda del pagamento "
                                       "così come verrà stampata. Dall'anteprima la si può anche stampare."))
{
}

void TfrmStartup::act()
{
    // Unlike the print window, a failure here is only reported and the window
    // stays open, so the user may try again.
    QString failure;
    try {
        if (Services::reportOutput().preview(this, preparedCard())) {
            accept();
            return;
        }
        failure = kPreviewFailed;
    } catch (const ReportError &e) {
        failure = e.message();
    } catch (const std::exception &e) {
        failure = kPreviewFailed + QLatin1Char('\n') + QString::fromLocal8Bit(e.what());
    } catch (...) {
        failure = kPreviewFailed;
    }
    Services::error(this, failure);
}
