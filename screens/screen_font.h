#pragma once
// The screens' font: 11 pixels of a plain sans-serif face, the layout staying in pixels.
// Liberation Sans comes first because its widths keep the fixed labels of the screens from
// running into each other; the system's sans-serif face stands in where it is missing.

#include <QFont>

QFont screenFont();
