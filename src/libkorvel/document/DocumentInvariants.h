#pragma once

#include "document/ImagemapDocument.h"

#include <QStringList>

// Every rule that the editing code keeps between events, checked in one place so that
// tests and the random-event fuzzer can call it after each step. Returns one line per
// broken rule; empty when the document is sound.
QStringList DocumentInvariantViolations(const ImagemapDocument& doc);
