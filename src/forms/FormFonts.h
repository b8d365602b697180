#pragma once

#include <QFont>

// The windows' face is "MS Sans Serif"; where it is missing, the platform's
// sans-serif at the same size and weight stands in.
QFont FormFont(qreal pointSize = 8.25, bool bold = false);
