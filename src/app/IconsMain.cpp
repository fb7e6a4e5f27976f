// Writes the program's icons into a freedesktop icon theme folder
// (hicolor/NxN/apps and .../mimetypes) for the installation. The pictures
// are the ones the program draws itself, so the menu, the file manager and
// the window show the same sheet.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QTextStream>

#include "app/AppIcons.h"
#include "app/CKestrovaneImportApp.h"
#include "settings/FreedesktopRegistration.h"
#include "settings/ShellDocumentType.h"

namespace {

bool save(const QPixmap& pixmap, const QString& folder, const QString& name)
{
    if (!QDir().mkpath(folder))
        return false;
    return pixmap.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"), "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "Aufruf: kestrovane-icons ZIELORDNER\n";
        return 2;
    }
    const QString theme = args.at(1) + QStringLiteral("/hicolor");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = theme + QStringLiteral("/%1x%1/").arg(size);
        bool ok = save(AppIcons::applicationPixmap(size), folder + QStringLiteral("apps"),
                       QLatin1String(FreedesktopRegistration::FileBaseName));
        for (const ShellDocumentType& type : ShellDocumentType::programTypes()) {
            const int form = type.extension == QLatin1String(".fdv") ? CKestrovaneImportApp::Dv1Form : 0;
            ok = ok && save(AppIcons::documentPixmap(form, size), folder + QStringLiteral("mimetypes"), type.iconName());
        }
        if (!ok) {
            QTextStream(stderr) << "Die Symbole konnten nicht nach " << folder << " geschrieben werden.\n";
            return 1;
        }
    }
    return 0;
}
