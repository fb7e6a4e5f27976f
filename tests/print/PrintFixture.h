#pragma once

#include <gtest/gtest.h>

#include <QPageSize>
#include <QPdfWriter>

#include "PdfWords.h"
#include "TestSupport.h"
#include "form/FieldDefinitions.h"
#include "settings/Profile.h"
#include "form/CEinheitspapierDoc.h"
#include "form/FieldStore.h"
#include "print/EhPrintJob.h"
#include "view/FormPainter.h"

// A fresh store, the built-in field definitions, and a document of form set 0
// with two pages.
class PrintFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::clearSettings();
        doc.deleteContents();
        doc.setFormSet(0);
    }

    void setText(int field, int page, const QString& text, std::uint16_t align = FieldStore::AlignLeft)
    {
        doc.store().setText(field, page, text);
        doc.store().setAlignment(field, page, FieldStore::Alignment(align));
    }

    // What the printer gets for a page, as a PDF whose page is the
    // printable area.
    PdfText print(int page, int copies = 1)
    {
        const QString path = dir.file(QStringLiteral("print%1.pdf").arg(++m_files));
        {
            QPdfWriter writer(path);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            writer.setResolution(1200);
            EXPECT_TRUE(EhPrintJob::printCopies(writer, EhPrintJob::pageOf(doc, page, definitions), copies));
        }
        return readPdfText(path);
    }

    testsupport::TempDir dir;
    CEinheitspapierDoc doc;
    FieldDefinitions definitions;

private:
    int m_files = 0;
};
