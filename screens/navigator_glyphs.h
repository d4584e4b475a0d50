#pragma once
// The navigator's ten buttons and their pictures, painted here rather than loaded from files:
// arrows for moving, plus and minus for inserting and deleting, and marks for editing,
// posting, cancelling and re-reading. Each picture has a greyed, embossed form for a
// disabled button.

#include <QIcon>
#include <QPixmap>

enum class NavigatorButton { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };

inline constexpr int navigatorButtonCount = 10;
inline constexpr int navigatorGlyphSize = 16;

QPixmap navigatorGlyph(NavigatorButton button, bool enabled);

// Both pictures: QIcon::Normal and QIcon::Disabled.
QIcon navigatorIcon(NavigatorButton button);
