#pragma once
// What a chart tells assistive technology about itself, in Windows-1251: its
// name is the titles of its shown axes, its description how many points each
// visible curve holds. A chart is a picture; this is the text beside it.
#include "chart/model/axis_panel.h"

#include <string>

// The captions of the shown axes with a title, in axis order, ", " between.
std::string PlotName(const TAxisPanel& panel);
// "Кривая 1, точек: 100; кривая 3, точек: 0" over the visible curves (active
// and painting something), numbered from 1 by their place in the list;
// «Кривых нет» when none is visible.
std::string PlotDescription(const TAxisPanel& panel);
