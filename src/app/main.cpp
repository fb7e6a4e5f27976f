// The desktop program.
#include <QApplication>
#include <QTimer>

#include <memory>

#include "app/CKestrovaneImportApp.h"

int main(int argc, char** argv)
{
    // "-init" runs at installation time, often without a display: it opens
    // no window, so it needs no window system either.
    const bool init = argc > 1 && QByteArray(argv[1]).startsWith("-init");
    std::unique_ptr<QCoreApplication> qt;
    if (init)
        qt = std::make_unique<QCoreApplication>(argc, argv);
    else
        qt = std::make_unique<QApplication>(argc, argv);

    CKestrovaneImportApp app;
    if (!app.InitInstance(QCoreApplication::arguments().mid(1)))
        return 0;
    // The start-up benchmark measures from the process start to the window
    // drawn with its first document ready for typing, then ends the program.
    if (qEnvironmentVariableIsSet("KV_QUIT_WHEN_READY")) {
        QTimer::singleShot(0, [] {
            QCoreApplication::processEvents();
            QCoreApplication::exit(0);
        });
    }
    return QCoreApplication::exec();
}
