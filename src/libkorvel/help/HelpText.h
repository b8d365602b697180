#pragma once

#include <QString>

// The usage text of the help window: seven paragraphs separated by CR LF CR LF,
// with no line break at the end.
QString HelpAboutText();
