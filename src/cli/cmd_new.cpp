#include <QTextStream>

#include "settings/Profile.h"
#include "cli/CliCommand.h"
#include "cli/Dv1Cli.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhDocumentOperations.h"
#include "form/EhFieldFlags.h"
#include "form/EhUserPrompt.h"
#include "settings/StringTable.h"

namespace {

// The tool asks nothing: the form set is settled before the document is
// opened, and messages go to stderr.
class QuietPrompt : public EhUserPrompt
{
public:
    explicit QuietPrompt(QTextStream& err) : m_err(err) {}
    void showMessage(int id) override { m_err << StringTable::text(id) << '\n'; }
    void showText(const QString& text) override { m_err << text << '\n'; }
    bool askYesNo(int, Preselect) override { return false; }
    void beep() override {}
    int askFormSet() override { return -1; }

private:
    QTextStream& m_err;
};

// Writes a new document with the user's defaults. The form set of an
// Einheitspapier is the one the user last chose for a new document unless
// --form-set names another.
int newEinheitspapier(QStringList args, cli::Io& io)
{
    const QString formSetText = cli::takeOption(args, QStringLiteral("--form-set"));
    if (args.size() != 1) {
        io.err << "Aufruf: kestrovane new [--form-set N] AUSGABE.aef\n";
        return 2;
    }
    bool ok = true;
    const int formSet = formSetText.isEmpty() ? Profile::get(Settings::LastEhType) : formSetText.toInt(&ok);
    if (!ok || formSet < 0 || formSet > 3) {
        io.err << "Ungültiger Formularsatz: " << formSetText << " (erlaubt: 0 bis 3)\n";
        return 2;
    }
    CEinheitspapierDoc doc;
    doc.deleteContents();
    // The sender defaults are written when a document is first shown; a new
    // file from the tool gets them as well. The flag tables are the tool's
    // own copies: the unused-field marks only matter on screen.
    QuietPrompt prompt(io.err);
    QByteArray firstFlags = EhFieldFlags::defaultTable(EhFieldFlags::PageKind::First);
    QByteArray continuationFlags = EhFieldFlags::defaultTable(EhFieldFlags::PageKind::Continuation);
    EhDocumentOperations::openView(doc, formSet, prompt, firstFlags, continuationFlags);
    QString error;
    if (!doc.save(args.at(0), &error)) {
        io.err << error << '\n';
        return 1;
    }
    return 0;
}

int newDocument(const QStringList& arguments, cli::Io& io)
{
    QStringList args = arguments;
    // Further document types plug in here by their flag.
    if (cli::takeFlag(args, QStringLiteral("--dv1")))
        return cli::newDv1Document(args, io);
    return newEinheitspapier(args, io);
}

const cli::Registration registration(QStringLiteral("new"),
                                     QStringLiteral("new [--form-set N] AUSGABE.aef | new --dv1 AUSGABE.fdv"), newDocument);

} // namespace
