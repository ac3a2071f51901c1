#include "app/Windows.h"

#include "agenda/TfrmAgenda.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "journal/TfrmMenuBilancio.h"
#include "app/TfrmPassword.h"
#include "contacts/TfrmAnagrafica.h"
#include "payments/TfrmArchivio_Scadenze.h"

#include <iterator>

namespace {
template <typename Window>
Window *get(Resident id)
{
    return static_cast<Window *>(Residents::get(id));
}

// Start-up order; destroyed in the reverse order.
constexpr Resident Order[] = {Resident::Password, Resident::Avvio,    Resident::CambiaPassword, Resident::Anagrafica,
                              Resident::Agenda,   Resident::Archivio, Resident::MenuBilancio};
}

namespace Windows {

ResidentWindows resident()
{
    return {get<TfrmPassword>(Resident::Password),
            get<TfrmAvvio>(Resident::Avvio),
            get<TfrmCambiaPassword>(Resident::CambiaPassword),
            get<TfrmAnagrafica>(Resident::Anagrafica),
            get<TfrmAgenda>(Resident::Agenda),
            get<TfrmArchivio_Scadenze>(Resident::Archivio),
            get<TfrmMenuBilancio>(Resident::MenuBilancio)};
}

void create()
{
    // In Order, all made before any is entered; modal windows are made by
    // their openers when needed.
    QWidget *const windows[] = {new TfrmPassword,    new TfrmAvvio,  new TfrmCambiaPassword,
                                new TfrmAnagrafica,  new TfrmAgenda, new TfrmArchivio_Scadenze,
                                new TfrmMenuBilancio};
    for (std::size_t i = 0; i < std::size(Order); ++i)
        Residents::set(Order[i], windows[i]);
}

void destroy()
{
    QWidget *windows[std::size(Order)];
    for (std::size_t i = 0; i < std::size(Order); ++i)
        windows[i] = Residents::get(Order[i]);
    // Forgotten first: no window being destroyed finds another.
    Residents::clear();
    for (std::size_t i = std::size(Order); i-- > 0;)
        delete windows[i];
}

QWidget *first() { return Residents::get(Resident::Password); }

}
