#pragma once
// A mouse press as the chart sees it: the button and the modifier keys. The
// widget maps the platform's events to these.

enum class TPressButton { Left, Right, Middle };
// Modifier keys and the double-click flag of a press.
enum TPressFlag : unsigned { pressShift = 1, pressCtrl = 2, pressAlt = 4, pressDouble = 8 };
using TPressFlags = unsigned;
