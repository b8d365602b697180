#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CommandLine", text);
}

// The options every Qt program takes, which QApplication reads and removes itself. They
// start with one dash and are whole words, so the parser reads single-dash words as long
// names; each is hidden from --help, which tells of Korvel's own options.
const char* const kQtOptionsWithValue[] = { "platform", "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry", "name", "title", "icon",
    "style", "stylesheet", "qmljsdebugger", "dialogs", "fontengine" };
const char* const kQtSwitches[] = { "reverse", "widgetcount", "nograb", "dograb", "sync", "testability" };

const char* const kQtOptionsHelp
    = QT_TRANSLATE_NOOP("CommandLine", "\nQt's own options are taken as in every Qt program, among them -platform NAME, -style NAME,\n"
                     "-stylesheet FILE, -display DISPLAY, -geometry GEOMETRY, -qwindowtitle TITLE and -reverse.\n");

void addQtOption(QCommandLineParser& parser, const char* name, bool takesValue)
{
    QCommandLineOption option(QString::fromLatin1(name));
    if (takesValue)
        option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

void addQtOptions(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : kQtOptionsWithValue)
        addQtOption(parser, name, true);
    for (const char* name : kQtSwitches)
        addQtOption(parser, name, false);
}

CommandLineRequest mistake(const QString& reason)
{
    CommandLineRequest request;
    request.exitCode = 2;
    request.error = tr("korvel: %1\nTry 'korvel --help'.\n").arg(reason);
    return request;
}

CommandLineRequest answer(const QString& text)
{
    CommandLineRequest request;
    request.exitCode = 0;
    request.output = text;
    return request;
}

CommandLineRequest checkRequest(const QStringList& pages)
{
    if (pages.isEmpty())
        return mistake(tr("--check needs at least one page or folder."));
    CommandLineRequest request;
    request.pagesToCheck = pages;
    return request;
}

} // namespace

CommandLineRequest readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Korvel makes client-side HTML imagemaps: draw rectangles, circles and polygons on an "
                       "image, give each a URL and an alt text, and generate the <map> element."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("IMAGE"),
        tr("The image to start a new imagemap on, or a web page (.html) whose map to open; with "
                       "--check, the pages and folders to check."),
        tr("[IMAGE or PAGE]"));
    const QCommandLineOption check(QStringLiteral("check"),
        tr("Check every map of the pages given (folders: their .html and .htm files at every depth) "
                       "without opening a window: one line per problem, FILE:LINE:COLUMN: map \"NAME\", area N: "
                       "message. Exits with 0 when there is none, 1 when there are problems, 2 when a file cannot "
                       "be read."));
    parser.addOption(check);
    addQtOptions(parser);

    if (!parser.parse(arguments))
        return mistake(parser.errorText());
    if (parser.isSet(help))
        return answer(parser.helpText());
    if (parser.isSet(QStringLiteral("help-all")))
        return answer(parser.helpText() + tr(kQtOptionsHelp));
    if (parser.isSet(version))
        return answer(QStringLiteral("Korvel " KORVEL_VERSION "\n"));
    const QStringList images = parser.positionalArguments();
    if (parser.isSet(check))
        return checkRequest(images);
    if (images.size() > 1)
        return mistake(tr("give one image at most."));
    CommandLineRequest request;
    request.image = images.value(0);
    return request;
}
