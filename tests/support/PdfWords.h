#pragma once

#include <QList>
#include <QString>

// The words of a PDF with their boxes in millimetres from the page's
// top-left corner, as poppler's pdftotext reads them.
struct PdfWord {
    int page = 0;   // from 1
    QString text;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

struct PdfText {
    int pages = 0;
    QList<PdfWord> words;

    // The first word with this text on the page (0: any page); null if none.
    const PdfWord* find(const QString& text, int page = 0) const;
    QList<PdfWord> onPage(int page) const;
};

// Runs pdftotext -bbox on the file; a failed run gives no pages.
PdfText readPdfText(const QString& pdfPath);
