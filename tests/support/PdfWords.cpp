#include "PdfWords.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "TestSupport.h"

namespace {

constexpr double MmPerPoint = 25.4 / 72.0;

} // namespace

const PdfWord* PdfText::find(const QString& text, int page) const
{
    for (const PdfWord& w : words) {
        if (w.text == text && (page == 0 || w.page == page))
            return &w;
    }
    return nullptr;
}

QList<PdfWord> PdfText::onPage(int page) const
{
    QList<PdfWord> out;
    for (const PdfWord& w : words) {
        if (w.page == page)
            out.append(w);
    }
    return out;
}

PdfText readPdfText(const QString& pdfPath)
{
    PdfText result;
    QTemporaryDir dir;
    const QString html = dir.filePath(QStringLiteral("words.html"));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, html});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return result;
    // The output is XHTML; only <page> and <word> matter.
    QXmlStreamReader xml(testsupport::readFile(html));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page")) {
            ++result.pages;
        } else if (xml.name() == QLatin1String("word")) {
            const auto a = xml.attributes();
            PdfWord w;
            w.page = result.pages;
            w.left = a.value(QLatin1String("xMin")).toDouble() * MmPerPoint;
            w.top = a.value(QLatin1String("yMin")).toDouble() * MmPerPoint;
            w.right = a.value(QLatin1String("xMax")).toDouble() * MmPerPoint;
            w.bottom = a.value(QLatin1String("yMax")).toDouble() * MmPerPoint;
            w.text = xml.readElementText();
            result.words.append(w);
        }
    }
    return result;
}
