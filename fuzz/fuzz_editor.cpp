// Drives the real main window, offscreen, through long random sequences of what a user can
// do. After every event it checks that the map, the HTML and the screen still hold up;
// after every event that changed the map or its undo history, also that undoing all of it
// gives the map the history began with.
//   fuzz_editor [--events N] [--seed S]
// Exit status 0 when no fault was found; on the first fault it prints the seed and the
// shortest sequence of events it can find that still fails, then exits 1. The last line is
// a one-line summary.
#include "FuzzTarget.h"
#include "pictures/PictureLoader.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

struct Options {
    long long events = 10000;
    uint64_t seed = 1;
};

Options readOptions(const QStringList& arguments)
{
    Options options;
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--events"))
            options.events = arguments[i + 1].toLongLong();
        else if (arguments[i] == QLatin1String("--seed"))
            options.seed = arguments[i + 1].toULongLong();
    }
    return options;
}

// A message box that opens in the middle of a run would wait for a user forever; it is
// answered, and counted.
class ModalCloser : public QObject {
public:
    ModalCloser()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++closed;
                dialog->reject();
            }
        });
        m_timer.start(1);
    }
    long long closed = 0;

private:
    QTimer m_timer;
};

// Plays events on a fresh window; the first fault's text, or empty.
QString replay(const std::vector<FuzzEvent>& events, const QTemporaryDir& folder)
{
    FuzzTarget target(folder);
    for (const FuzzEvent& event : events) {
        target.play(event);
        if (QString fault = target.check(); !fault.isEmpty())
            return fault;
    }
    return target.checkUndoAllTheWayBack();
}

// Leaves out ever smaller stretches of the sequence while it still fails.
std::vector<FuzzEvent> shorten(std::vector<FuzzEvent> events, const QTemporaryDir& folder)
{
    QElapsedTimer budget;
    budget.start();
    for (size_t chunk = events.size() / 2; chunk >= 1 && budget.elapsed() < 120000; chunk /= 2) {
        for (size_t start = 0; start + chunk <= events.size() && budget.elapsed() < 120000;) {
            std::vector<FuzzEvent> shorter(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(start));
            shorter.insert(shorter.end(), events.begin() + static_cast<std::ptrdiff_t>(start + chunk), events.end());
            if (!replay(shorter, folder).isEmpty())
                events = std::move(shorter);
            else
                start += chunk;
        }
    }
    return events;
}

int fail(const Options& options, const QString& fault, std::vector<FuzzEvent> events, const QTemporaryDir& folder,
    long long checks, qint64 milliseconds)
{
    std::printf("FAULT after %zu events (seed %llu): %s\n", events.size(),
        static_cast<unsigned long long>(options.seed), qPrintable(fault));
    const std::vector<FuzzEvent> shortest = shorten(std::move(events), folder);
    std::printf("shortest sequence that still fails (%zu events), with: %s\n", shortest.size(),
        qPrintable(replay(shortest, folder)));
    for (const FuzzEvent& event : shortest)
        std::printf("  %s\n", qPrintable(event.describe()));
    std::printf("fuzz_editor: seed %llu, %zu events, %lld checks, 1 fault, %.1f s\n",
        static_cast<unsigned long long>(options.seed), shortest.size(), checks, milliseconds / 1000.0);
    return 1;
}

// Qt's warnings (a platform without window raising, say) would drown the report.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(quietMessages);
    allowLargePictures();
    const Options options = readOptions(QCoreApplication::arguments());
    QTemporaryDir folder;
    ModalCloser closer;
    QElapsedTimer clock;
    clock.start();

    FuzzEventMaker maker(options.seed);
    std::vector<FuzzEvent> played;
    long long checks = 0;
    auto target = std::make_unique<FuzzTarget>(folder);
    for (long long i = 0; i < options.events; ++i) {
        // Long runs start over on a fresh window now and then, so that a fault can be replayed
        // from a sequence of reasonable length.
        if (played.size() >= 20000) {
            played.clear();
            target = std::make_unique<FuzzTarget>(folder);
        }
        const FuzzEvent event = maker.next(target->window());
        played.push_back(event);
        target->play(event);
        QString fault = target->check();
        ++checks;
        if (fault.isEmpty() && target->historyMoved()) {
            fault = target->checkUndoAllTheWayBack();
            ++checks;
        }
        if (!fault.isEmpty()) {
            target.reset();
            return fail(options, fault, std::move(played), folder, checks, clock.elapsed());
        }
    }
    std::printf("fuzz_editor: seed %llu, %lld events, %lld checks, 0 faults, %lld message boxes answered, %.1f s\n",
        static_cast<unsigned long long>(options.seed), options.events, checks, closer.closed, clock.elapsed() / 1000.0);
    return 0;
}
