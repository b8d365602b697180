#include "editing/Selection.h"

void GreyAllBoxes(ImagemapDocument& map)
{
    for (int16_t i = 1; i <= map.boxCount; ++i)
        map.box(i).BorderColor = NormalColour;
}

void SetBorder(ImagemapDocument& map, int16_t index, Rgb colour)
{
    map.box(index).BorderColor = colour;
}
