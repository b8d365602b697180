#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for.
struct CommandLineRequest {
    // 0 or more when the command line is answered without opening a window: --help,
    // --version, or a mistake.
    int exitCode = -1;
    // Text for standard output (help, version) or standard error (a mistake).
    QString output;
    QString error;
    // The picture to start a new imagemap on; empty for none.
    QString image;
    // The pages and folders to check without opening a window (--check); empty for none.
    QStringList pagesToCheck;
};

// Reads korvel's command line: [IMAGE], --check PAGE..., --help, --version, and Qt's own options such as
// -platform offscreen or -style fusion, which pass untouched for QApplication to apply.
// Needs no display, so --help and --version work in a bare terminal.
CommandLineRequest readCommandLine(const QStringList& arguments);
