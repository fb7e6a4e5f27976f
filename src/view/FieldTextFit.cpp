#include "view/FieldTextFit.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <memory>

namespace FieldTextFit {

void configure(QTextDocument& doc, const QFont& font, Qt::Alignment alignment, double width)
{
    doc.setDocumentMargin(0);
    doc.setDefaultFont(font);
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc.setDefaultTextOption(option);
    doc.setTextWidth(width);
}

int lineCount(const QTextDocument& doc)
{
    doc.documentLayout()->documentSize();   // lays the text out if needed
    int lines = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        lines += b.layout() ? std::max(1, b.layout()->lineCount()) : 1;
    return lines;
}

bool accepts(const QTextDocument& doc, int from, int to, const QString& insertion, bool paragraph, bool overwrite,
             double height)
{
    const int before = lineCount(doc);
    std::unique_ptr<QTextDocument> trial(doc.clone());
    trial->setTextWidth(doc.textWidth());
    QTextCursor cursor(trial.get());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    if (paragraph) {
        cursor.insertBlock();
    } else {
        if (overwrite && from == to && !cursor.atBlockEnd())
            cursor.deleteChar();
        cursor.insertText(insertion);
    }
    const int after = lineCount(*trial);
    if (after <= 1 || after <= before)
        return true;
    // Half a pixel of slack: rectangle and font heights are both rounded.
    return trial->documentLayout()->documentSize().height() <= height + 0.5;
}

bool fits(const QTextDocument& doc, const QString& text, double height)
{
    std::unique_ptr<QTextDocument> trial(doc.clone());
    trial->setTextWidth(doc.textWidth());
    trial->setPlainText(text);
    if (lineCount(*trial) <= 1)
        return true;
    return trial->documentLayout()->documentSize().height() <= height + 0.5;
}

} // namespace FieldTextFit
