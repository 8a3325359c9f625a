#pragma once

#include <QPixmap>
#include <QSize>

// The orb emblem of the chapter window and the information screen, drawn
// rather than shipped so that it is crisp at any size.
QPixmap orbaEmblem(QSize size);
