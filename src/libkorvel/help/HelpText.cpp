#include "help/HelpText.h"

QString HelpAboutText()
{
    const QString paragraphBreak = QStringLiteral("\r\n\r\n");
    return QStringLiteral("Korvel generates HTML codes for imagemaps. It is easy to use, but still effective.")
        + paragraphBreak + QStringLiteral("To generate an imagemap do the following:") + paragraphBreak
        + QStringLiteral("- Press the 'New Imagemap' button.") + paragraphBreak
        + QStringLiteral("- Give the new imagemap a name.") + paragraphBreak
        + QStringLiteral("- Use the 'Rectangle', 'Circle' and 'Polygon' tools to make shapes on the image. ")
        + QStringLiteral(" Give each shape a desired URL and Alt text.") + paragraphBreak
        + QStringLiteral("- After you have made all your shapes, press the Generate button. A HTML code will appear. ")
        + QStringLiteral("You can now copy this code and then paste it into your desired web page.") + paragraphBreak
        + QStringLiteral("All comments and suggestions are very welcome.");
}
