// Measures Tavrook against baselines built beside it and prints the figures.
// Nothing here passes or fails: the figures are for people to read.
#include "NullPlatform.h"
#include "beacon/Frequency.h"
#include "language/clsLanguage.h"
#include "mainwindow/Form1.h"
#include "platform/QtPlatform.h"
#include "settings/A_GetSetIniFile.h"
#include "update/clsUpdate.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

struct Figures
{
    double median = 0;
    double low = 0;
    double high = 0;
};

Figures summarise(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    const double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return {median, samples.front(), samples.back()};
}

// Milliseconds of each of `runs` calls.
Figures time_ms(int runs, const std::function<void()> &work)
{
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        samples.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return summarise(samples);
}

void print_row(const char *what, const Figures &f, const char *unit = "ms")
{
    std::printf("%-44s %9.3f %s  (spread %.3f to %.3f)\n", what, f.median, unit, f.low, f.high);
}

void print_ratio(const char *what, double measured, double baseline, double goal)
{
    std::printf("%-44s %9.2f x  (goal: at most %.1f x)\n", what, measured / baseline, goal);
}

// A program folder as a user's looks after some use: a complete settings file and
// the three shipped language files.
void prepare_folder(const QString &folder, const QString &shippedLanguages)
{
    QDir(folder).mkpath(QStringLiteral("language"));
    for (const QString &file :
         QDir(shippedLanguages).entryList({QStringLiteral("*.lf")}, QDir::Files))
        QFile::copy(shippedLanguages + QLatin1Char('/') + file,
                    folder + QStringLiteral("/language/") + file);
    SilentMessageBox messages;
    clsLanguage language(folder + QStringLiteral("/language"), QStringLiteral("Tavrook"), messages);
    BeaconState state;
    LoadSettings(state, folder + QStringLiteral("/Tavrook.INI"), language, QLocale());
    SaveSettings(state, folder + QStringLiteral("/Tavrook.INI"), language);
}

struct ChildRun
{
    double ms = 0;
    long peakKib = 0;
};

ChildRun run_child(const QString &program, const QStringList &arguments)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(program, arguments);
    child.waitForFinished(60000);
    ChildRun run{double(clock.nsecsElapsed()) / 1e6, 0};
    const QByteArray out = child.readAllStandardOutput();
    const qsizetype at = out.indexOf("peak_kib ");
    if (at >= 0)
        run.peakKib = out.mid(at + 9).trimmed().toLong();
    return run;
}

// Counts what start-up does to the program folder, as the kernel reports it.
void count_fileAccess(const QString &startup, const QString &folder)
{
    const int fd = inotify_init1(IN_NONBLOCK);
    if (fd < 0) {
        std::printf("file opens and writes at start-up: inotify not available\n");
        return;
    }
    const QByteArray top = QFile::encodeName(folder);
    const QByteArray languages = QFile::encodeName(folder + QStringLiteral("/language"));
    // Closes are watched too: inotify merges identical events that follow each other.
    const uint32_t mask = IN_OPEN | IN_CLOSE_NOWRITE | IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE;
    inotify_add_watch(fd, top.constData(), mask);
    inotify_add_watch(fd, languages.constData(), mask);
    run_child(startup, {folder});
    int settingsOpens = 0, languageOpens = 0, writes = 0;
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t i = 0; i < n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + i);
            const QString name = event->len ? QString::fromLocal8Bit(event->name) : QString();
            if (event->mask & IN_OPEN) {
                if (name == QStringLiteral("Tavrook.INI"))
                    ++settingsOpens;
                else if (name.endsWith(QStringLiteral(".lf")))
                    ++languageOpens;
            }
            if (event->mask & (IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE))
                ++writes;
            i += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    close(fd);
    std::printf("%-44s %9d\n", "settings file opens at start-up", settingsOpens);
    std::printf("%-44s %9d\n", "language file opens at start-up", languageOpens);
    std::printf("%-44s %9d\n", "files written at start-up", writes);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 15;
    const QString here = QApplication::applicationDirPath();
    const QString languages = here + QStringLiteral("/../src/language");

    QTemporaryDir folder;
    prepare_folder(folder.path(), languages);

    std::printf("Tavrook benchmarks, %d runs each, median and spread\n\n", runs);

    // Start-up against an empty Qt window, as separate processes.
    const QString empty = here + QStringLiteral("/bench_empty_window");
    const QString startup = here + QStringLiteral("/bench_startup");
    run_child(empty, {});
    run_child(startup, {folder.path()});
    std::vector<double> emptyMs, labelMs, startupMs, emptyKib, startupKib;
    for (int i = 0; i < runs; ++i) {
        const ChildRun e = run_child(empty, {});
        const ChildRun l = run_child(empty, {QStringLiteral("--label")});
        const ChildRun s = run_child(startup, {folder.path()});
        emptyMs.push_back(e.ms);
        labelMs.push_back(l.ms);
        startupMs.push_back(s.ms);
        emptyKib.push_back(double(e.peakKib));
        startupKib.push_back(double(s.peakKib));
    }
    const Figures emptyStart = summarise(emptyMs);
    const Figures tavrookStart = summarise(startupMs);
    const Figures labelStart = summarise(labelMs);
    print_row("start-up, empty QMainWindow", emptyStart);
    print_row("start-up, QMainWindow with one label", labelStart);
    print_row("start-up, Tavrook with its first comment", tavrookStart);
    print_ratio("start-up ratio to the empty window", tavrookStart.median, emptyStart.median, 1.5);
    std::printf("%-44s %9.2f x\n", "start-up ratio to the window with a label",
                tavrookStart.median / labelStart.median);
    const double extraMiB = (summarise(startupKib).median - summarise(emptyKib).median) / 1024.0;
    std::printf("%-44s %9.1f MiB (goal: at most 10 MiB)\n\n", "peak memory above the empty window",
                extraMiB);

    count_fileAccess(startup, folder.path());
    std::printf("\n");

    // The comment for a beacon program, against a bare QCoreApplication.
    const QString coreApp = here + QStringLiteral("/bench_core_app");
    const QString tavrook = here + QStringLiteral("/../src/Tavrook");
    const QStringList comment = {QStringLiteral("--comment"), QStringLiteral("--settings"),
                                 folder.path() + QStringLiteral("/Tavrook.INI")};
    run_child(tavrook, comment);
    std::vector<double> coreMs, commentMs;
    for (int i = 0; i < runs; ++i) {
        coreMs.push_back(run_child(coreApp, {}).ms);
        commentMs.push_back(run_child(tavrook, comment).ms);
    }
    print_row("start-up, bare QCoreApplication", summarise(coreMs));
    print_row("Tavrook --comment", summarise(commentMs));
    // A beacon program runs it every 30 s or more: it must stay well under that.
    std::printf("%-44s %9.2f ms (goal: under 50 ms)\n", "Tavrook --comment, median",
                summarise(commentMs).median);
    std::printf("\n");

    // The largest channel list in the real window against building its texts alone.
    QtMessageBox messages;
    QtClipboard clipboard;
    NoShell shell;
    NoTransfer transfer;
    Form1 window({messages, clipboard, shell, transfer},
                 {folder.path(), QStringLiteral("Tavrook")});
    window.show();
    auto *band = window.findChild<QComboBox *>(QStringLiteral("lstBand"));
    auto *step = window.findChild<QComboBox *>(QStringLiteral("lstStep"));
    step->setCurrentIndex(0);
    std::vector<double> changes;
    for (int i = 0; i < runs; ++i) {
        band->setCurrentIndex(0);
        QElapsedTimer clock;
        clock.start();
        band->setCurrentIndex(3);
        changes.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    const Figures inWindow = summarise(changes);
    const Figures alone = time_ms(runs, [] {
        const auto bands = Frequency::band_table();
        Frequency::channel_list(bands[3], QStringLiteral("5"), 5.0, QLocale());
    });
    print_row("band change to 6000 channels in the window", inWindow);
    print_row("the same 6000 texts built alone", alone);
    print_ratio("band change ratio", inWindow.median, alone.median, 3.0);
    std::printf("\n");

    // A change of language: the file is read again and every text set.
    auto *language = window.findChild<QAction *>(QStringLiteral("mnuOptionsLangList(1)"));
    print_row("language change", time_ms(runs, [&] { language->trigger(); }));

    SilentMessageBox silent;
    clsLanguage translator(folder.path() + QStringLiteral("/language"), QStringLiteral("Tavrook"),
                           silent);
    const QString iniFile = folder.path() + QStringLiteral("/Tavrook.INI");
    print_row("LoadSettings, complete file", time_ms(runs, [&] {
                  BeaconState state;
                  LoadSettings(state, iniFile, translator, QLocale());
              }));

    QByteArray page(1024 * 1024 - 200, 'x');
    page += " Ostrowind Tavrook Version V1.0.8 Tavrook Language/Documentation Version V1 ";
    MemoryUpdateView view;
    PageTransfer answer;
    answer.page = page;
    clsUpdate update(QStringLiteral("Tavrook"), QStringLiteral("Tavrook"), 1, answer, silent, view);
    update.setSilent(false);
    print_row("update page check, 1 MiB page", time_ms(runs, [&] {
                  view.log.clear();
                  update.check4update();
              }));
    return 0;
}
