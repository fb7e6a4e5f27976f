#include "app/ViewToolBar.h"

#include <QAction>

#include "app/AppIcons.h"
#include "print/FormPrintController.h"
#include "view/FormCommands.h"

namespace ViewToolBar {

namespace {

using C = FormCommands;
using P = FormPrintController;

const std::pair<int, AppIcons::Kind> Pictures[] = {
    {C::Cut, AppIcons::Cut},
    {C::Copy, AppIcons::Copy},
    {C::Paste, AppIcons::Paste},
    {P::Print, AppIcons::Print},
    {P::PrintPreview, AppIcons::Preview},
    {P::ExportPdf, AppIcons::Pdf},
    {C::PreviousPage, AppIcons::PreviousPage},
    {C::NextPage, AppIcons::NextPage},
    {C::ZoomLarger, AppIcons::ZoomIn},
    {C::ZoomSmaller, AppIcons::ZoomOut},
};

} // namespace

QList<int> commands()
{
    return {C::Cut, C::Copy, C::Paste, 0, P::Print, P::PrintPreview, P::ExportPdf, 0,
            C::PreviousPage, C::NextPage, 0, C::ZoomLarger, C::ZoomSmaller};
}

void setIcons(const std::function<QAction*(int id)>& lookup)
{
    for (const auto& [id, kind] : Pictures) {
        if (QAction* a = lookup(id); a && a->icon().isNull())
            a->setIcon(AppIcons::icon(kind));
    }
}

} // namespace ViewToolBar
