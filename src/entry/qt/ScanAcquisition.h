#pragma once
// The Qt side of an acquisition: the page acquired outside the window thread while a progress window
// shows the lines read and offers Cancel, and the page kept as "raw.bmp".
#include "entry/PageSource.h"

#include <QString>

class QWidget;

// Acquires one page from `source` on a worker thread. The modal progress window (child of `parent`)
// counts the lines read; its Cancel ends the acquisition with error 20090. The window thread keeps
// handling events meanwhile.
Acquisition AcquireWithProgress(PageSource& source, QWidget* parent);

// Writes `page` as an 8-bit Windows bitmap at `path`, atomically (temporary file, flush to disk,
// rename, folder flushed): a grey page with a grey palette, a colour page reduced to 256 colours.
// On failure returns false and sets `error` to a sentence naming the file.
bool SaveRawBitmap(const ScanImage& page, const QString& path, QString& error);
