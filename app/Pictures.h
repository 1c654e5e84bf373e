#pragma once

#include <QPixmap>

// The pictures that are the faces of the small windows, painted at their fixed sizes.

// The splash and About window: 224 x 300.
QPixmap SplashPicture();

// The user-choice window: 350 x 260.
QPixmap UserChoicePicture();
