#pragma once
// The files attached to contacts: copies kept in the folder Documenti_Allegati
// beside the program, each named in the record by its bare file name. The
// folder is never stored, so the record stays valid when the program folder
// moves.

#include <QString>

#include <stdexcept>

namespace Attachments {

// The folder, ending in this platform's separator.
QString folder();
// The file a slot's name stands for.
QString pathOf(const QString &name);
// What the shell is handed to open a slot's file: its path in double quotes.
QString openText(const QString &name);

// The name under which a chosen file is kept: one that the record's file name
// field holds exactly, so that what is stored names the file that is there.
// Characters Windows-1252 cannot hold and control characters become "_", the
// blanks at either end go (the field is stored trimmed), and a name longer
// than the field is cut before its extension, which is kept.
QString fieldName(const QString &fileName);

class AttachmentError : public std::runtime_error {
public:
    enum class Reason { NoPermission, SourceUnreadable, NoSpace, Other };
    AttachmentError(Reason reason, int systemError);
    Reason reason() const { return m_reason; }
    int systemError() const { return m_error; }
    // Why, in a sentence the user can act on.
    QString explanation() const;

private:
    Reason m_reason;
    int m_error;
};

// Creates the folder and any folder missing above it. Throws AttachmentError.
void ensureFolder();
// Copies source to target through a temporary file beside target, flushed to
// disk and renamed over target only once complete: on any failure target is
// left as it was (or absent) and no partial file stays. Throws AttachmentError.
void copy(const QString &source, const QString &target);
// True when both paths lead to one existing file.
bool sameFile(const QString &a, const QString &b);

// Asked before a copy would replace a file of the same name.
QString overwriteQuestion();
// The warning after a failed copy of the file called name.
QString copyFailedWarning(const QString &name, const AttachmentError &error);

}
