#pragma once

// How the trace tool reads the picture and how closely its polygon follows the outline.
struct TraceSettings {
    // A pixel is of similar colour when each channel of its premultiplied colour, alpha
    // included, is within this many steps (0..255) of the clicked pixel's.
    int colourTolerance = 32;
    // Every pixel of the outline lies within this many picture pixels of the polygon.
    double maxDeviation = 1.5;

    friend bool operator==(const TraceSettings& a, const TraceSettings& b)
    {
        return a.colourTolerance == b.colourTolerance && a.maxDeviation == b.maxDeviation;
    }
    friend bool operator!=(const TraceSettings& a, const TraceSettings& b) { return !(a == b); }
};
