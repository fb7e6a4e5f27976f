#include "check/EhRules.h"

#include <QPainter>
#include <QPicture>

#include "check/EhCheckContext.h"
#include "form/CEinheitspapierDoc.h"
#include "print/EhPrintLayer.h"
#include "view/FormPainter.h"

namespace EhRules {

void textFitsOnPaper(EhCheckContext& ctx)
{
    // The sheets are printed here for nothing: the print layer itself says
    // which texts it could not lay into their boxes, so the check and the
    // paper can never disagree about a line. Margins and the print area
    // correction only move and scale the boxes; the lines are broken at the
    // measured widths either way.
    const EhPrintLayer layer(EhPrintSetup::uncalibrated());
    const FieldStore& store = ctx.store();
    for (int page = 1; page <= ctx.pageCount(); ++page) {
        EhFormPage sheet;
        sheet.store = &store;
        sheet.formSet = ctx.formSet();
        sheet.page = page;
        sheet.firstFlags = ctx.firstFlags();
        sheet.contFlags = ctx.contFlags();
        sheet.inputTax = ctx.document().inputTax();
        QPicture picture;
        QPainter painter(&picture);
        for (const EhPrintedField& f : layer.printedFields(sheet)) {
            // Box 1 goes onto every sheet; it is reported once, on page 1.
            if (f.page != page)
                continue;
            const QString text = store.text(f.field, f.page);
            bool overflow = false;
            layer.PrintField(painter, f.placed, text, store.attr(f.field, f.page), false, nullptr, &overflow);
            if (overflow)
                ctx.add(page, f.field,
                        QStringLiteral("Der Text passt nicht in das gedruckte Feld; was keinen Platz hat, "
                                       "fehlt auf dem Papier."));
        }
    }
}

} // namespace EhRules
