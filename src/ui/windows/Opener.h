#pragma once
// Who opened a lookup window. The opener names itself when it makes the
// window, and the window hands its result only to the opener it serves; a
// window opened by anyone else (or by no one named) hands nothing back.

enum class Opener {
    None,
    PaymentEditor,  // the payment editor takes a payment or a contact's details
    ContactEditor,  // the contact editor takes a contact or its attachments
    PaymentDueDate, // the payment editor's due date takes a date
};
