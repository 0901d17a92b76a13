#pragma once
#include <QPixmap>

// The program's logo, drawn at `size` pixels square. `progress` 0..1 draws the stages of the splash
// animation; 1 is the finished logo.
QPixmap TarvosLogo(int size, double progress = 1.0);
