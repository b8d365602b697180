#pragma once

#include "check/MapProblem.h"

class ImageMap;

// Texts that Generate's literal form makes browsers read differently: the map's name and
// every attribute value, each compared with what an HTML parser, as browsers parse, reads
// back from Generate's text. A '"' ends the value there; '&' may start a character
// reference ("&copy" is ©, "&amp;" is &); a carriage return becomes a line feed. '<' and '>'
// inside the quotes are read as they are.
MapProblems literalTextProblems(const ImageMap& map);
