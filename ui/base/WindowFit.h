#pragma once

class QWidget;

// Sizes a window to its designed width (its minimum width, or wider when its controls need it)
// and to the height its wrapped texts need at that width, and makes that its smallest size.
// Qt does not carry a wrapped text's height up to a window's minimum size, so without this a
// window could open, or be shrunk, with the ends of its texts cut off.
// On a screen too small for that size (a small screen, or a large scale), the window takes the
// screen's free area instead, in its middle, and its controls scroll within it, texts wrapped
// to the width there is.
void FitWindowToTexts(QWidget& window);

class QRect;

// Places a control by hand at a rectangle measured from its parent's left edge, or from the
// right edge where the parent lays out right to left, and keeps it there as the parent resizes.
void PlaceByHand(QWidget& control, const QRect& fromLeadingEdge);
