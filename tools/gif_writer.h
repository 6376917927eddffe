#pragma once
// Writes the program's animations as looping GIF files through giflib. All
// frames share one palette, chosen over every frame together so that a
// colour does not shift from one frame to the next.

#include <QImage>
#include <QList>
#include <QString>

namespace kestrin {

// Writes `frames` (all of one size) to `path`, each shown for `frameDelayMs`,
// looping for ever. False when they cannot be encoded or written; a failed
// write leaves any earlier file at `path` whole.
bool WriteGifAnimation(const QString& path, const QList<QImage>& frames, int frameDelayMs);

}  // namespace kestrin
