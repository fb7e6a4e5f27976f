// Cold start of the desktop program: from the process start to the main
// window drawn with an opened document ready for typing, as the user starts
// it with a document from the file manager.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

void BM_ColdStartToEditableWindow(benchmark::State& state)
{
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("Anmeldung.aef"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KV_QUIT_WHEN_READY"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    // A document as the tool writes it, with its form set settled, so that
    // opening it asks nothing.
    {
        QProcess tool;
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral(KV_CLI_PATH), {QStringLiteral("new"), QStringLiteral("--form-set"), QStringLiteral("0"), path});
        if (!tool.waitForFinished(30000) || tool.exitCode() != 0) {
            state.SkipWithError("cannot write the document");
            return;
        }
    }
    // The first start creates the master-data tables and says so in a
    // message; the installation does that beforehand with -init.
    {
        QProcess init;
        init.setProcessEnvironment(env);
        init.start(QStringLiteral(KV_APP_PATH), {QStringLiteral("-init")});
        init.waitForFinished(30000);
    }
    const auto childCpuMs = [] {
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
            + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
    };
    const double cpuBefore = childCpuMs();
    for (auto _ : state) {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(KV_APP_PATH), {path});
        if (!program.waitForFinished(30000) || program.exitCode() != 0) {
            const QByteArray why = "the program did not start and end cleanly: " + program.readAllStandardError();
            state.SkipWithError(why.constData());
            return;
        }
    }
    // The wall time waits for the processor on a busy machine; the
    // program's own processor time says what it costs.
    state.counters["program_cpu_ms"] = (childCpuMs() - cpuBefore) / double(state.iterations());
}
BENCHMARK(BM_ColdStartToEditableWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
