#include "ManualDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include <QSet>

namespace {

constexpr int kResolution = 300;
// The text document lays out in screen pixels at 96 per inch.
constexpr qreal kLayoutDpi = 96.0;
constexpr qreal kFooterMm = 10.0;
const QColor kHeadingColour(0x1f, 0x4e, 0x79);
const QString kFooterTitle = QStringLiteral("Tarvenio 3.0 – Guida all'utilizzo");

qreal layoutUnits(qreal mm) { return mm / 25.4 * kLayoutDpi; }

struct ImageSpot {
    int position;
    QTextImageFormat format;
};

// Every picture the text names, sized: a window this wide or wider fills the
// text width, a smaller one keeps its size in proportion, so that the small
// windows' texts stay as large as can be read; none takes more than about two
// thirds of a page, so that its text can stay beside it.
constexpr qreal kFullWidthPixels = 960;

bool placePictures(QTextDocument &doc, const QHash<QString, QImage> &pictures, QSizeF body, QString *error)
{
    QVector<ImageSpot> spots;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (const QTextFragment fragment = it.fragment(); fragment.charFormat().isImageFormat())
                spots.append({fragment.position(), fragment.charFormat().toImageFormat()});

    QSet<QString> used;
    for (const ImageSpot &spot : spots) {
        const QString name = spot.format.name();
        const QImage picture = pictures.value(name);
        if (picture.isNull()) {
            *error = QStringLiteral("the manual names a picture that was not taken: ") + name;
            return false;
        }
        used.insert(name);
        doc.addResource(QTextDocument::ImageResource, QUrl(name), picture);
        qreal width = qMin(body.width(), picture.width() * body.width() / kFullWidthPixels);
        qreal height = width * picture.height() / picture.width();
        const qreal tallest = body.height() * 0.66;
        if (height > tallest) {
            width *= tallest / height;
            height = tallest;
        }
        QTextImageFormat sized = spot.format;
        sized.setWidth(width);
        sized.setHeight(height);
        QTextCursor cursor(&doc);
        cursor.setPosition(spot.position);
        cursor.setPosition(spot.position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(sized);
        QTextBlockFormat centred = cursor.blockFormat();
        centred.setAlignment(Qt::AlignHCenter);
        centred.setTopMargin(6);
        centred.setBottomMargin(2);
        cursor.setBlockFormat(centred);
    }
    for (auto it = pictures.begin(); it != pictures.end(); ++it)
        if (!used.contains(it.key()))
            qWarning("picture %s is not used by the manual", qPrintable(it.key()));
    return true;
}

// Each chapter starts on a page of its own; the headings take the house colour.
void styleHeadings(QTextDocument &doc)
{
    bool firstChapter = true;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0)
            continue;
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        if (level == 2) {
            if (!firstChapter)
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            firstChapter = false;
            format.setBottomMargin(8);
        }
        cursor.setBlockFormat(format);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat colour;
        colour.setForeground(kHeadingColour);
        cursor.mergeCharFormat(colour);
    }
}

bool holdsPicture(const QTextBlock &block)
{
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            return true;
    return false;
}

bool allItalic(const QTextBlock &block)
{
    bool any = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        if (!it.fragment().charFormat().fontItalic())
            return false;
        any = true;
    }
    return any;
}

// A paragraph in italics right below a picture is its caption: it joins the
// picture's paragraph on a line of its own, smaller and grey, and the two are
// kept on one page.
void attachCaptions(QTextDocument &doc)
{
    QVector<int> captions;
    bool afterPicture = false;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (afterPicture && allItalic(block))
            captions.prepend(block.position());
        afterPicture = holdsPicture(block);
    }
    // From the last to the first, so that the positions still to do stay put.
    for (int position : captions) {
        QTextCursor cursor(&doc);
        cursor.setPosition(position);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat caption;
        caption.setForeground(QColor(0x55, 0x55, 0x55));
        caption.setFontPointSize(9);
        cursor.mergeCharFormat(caption);
        cursor.setPosition(position);
        cursor.deletePreviousChar();
        cursor.insertText(QString(QChar::LineSeparator), caption);
        QTextBlockFormat format = cursor.blockFormat();
        format.setNonBreakableLines(true);
        format.setBottomMargin(10);
        cursor.setBlockFormat(format);
    }
}

// Painted in device pixels, where the font's point size means what it says.
void paintFooter(QPainter &painter, QRectF footer, int page, int pages)
{
    painter.setPen(QPen(QColor(0x99, 0x99, 0x99), 1.5));
    painter.drawLine(footer.topLeft(), footer.topRight());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8);
    font.setStyleStrategy(QFont::PreferNoShaping);
    painter.setFont(font);
    painter.setPen(QColor(0x55, 0x55, 0x55));
    const QRectF line = footer.adjusted(0, footer.height() * 0.25, 0, 0);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, kFooterTitle);
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, QStringLiteral("Pagina %1 di %2").arg(page).arg(pages));
}

}

namespace ManualDocument {

bool write(const QString &markdown, const QHash<QString, QImage> &pictures, const QString &pdfPath, QString *error)
{
    // Written beside the target and renamed at the end, so that a failed run
    // never leaves half a manual that the build takes for a finished one.
    const QString partial = pdfPath + QStringLiteral(".part");
    QFile::remove(partial);
    int pages = 0;
    {
        QPdfWriter writer(partial);
        writer.setTitle(QStringLiteral("Tarvenio 3.0 - Guida all'utilizzo"));
        writer.setCreator(QStringLiteral("Tarvenio 3.0"));
        writer.setResolution(kResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 16, 20, 12),
                                         QPageLayout::Millimeter));

        const QRectF paint = writer.pageLayout().paintRect(QPageLayout::Millimeter);
        const QSizeF body(layoutUnits(paint.width()), layoutUnits(paint.height() - kFooterMm));

        QTextDocument doc;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(10);
        // Without shaping there are no "fi" ligatures, which a PDF reader
        // copies (and searches) as one odd character instead of two letters.
        font.setStyleStrategy(QFont::PreferNoShaping);
        doc.setDefaultFont(font);
        doc.setDocumentMargin(0);
        doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
        styleHeadings(doc);
        if (!placePictures(doc, pictures, body, error))
            return false;
        attachCaptions(doc);
        doc.setPageSize(body);
        pages = doc.pageCount();

        QPainter painter;
        if (!painter.begin(&writer)) {
            *error = QStringLiteral("cannot write ") + pdfPath;
            return false;
        }
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const qreal scale = kResolution / kLayoutDpi;
        for (int page = 0; page < pages; ++page) {
            if (page > 0 && !writer.newPage()) {
                *error = QStringLiteral("cannot add a page to ") + pdfPath;
                return false;
            }
            painter.save();
            painter.scale(scale, scale);
            painter.save();
            const QRectF visible(0, page * body.height(), body.width(), body.height());
            painter.translate(0, -visible.top());
            painter.setClipRect(visible);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = visible;
            doc.documentLayout()->draw(&painter, context);
            painter.restore();
            painter.restore();
            paintFooter(painter, QRectF(0, body.height() * scale, body.width() * scale, kFooterMm / 25.4 * kResolution),
                        page + 1, pages);
        }
        if (!painter.end()) {
            *error = QStringLiteral("cannot finish ") + pdfPath;
            return false;
        }
    }
    QFile::remove(pdfPath);
    if (!QFile::rename(partial, pdfPath)) {
        *error = QStringLiteral("cannot move the manual to ") + pdfPath;
        return false;
    }
    qInfo("%s: %d pages, %d pictures", qPrintable(pdfPath), pages, int(pictures.size()));
    return true;
}

}
