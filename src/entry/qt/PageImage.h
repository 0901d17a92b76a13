#pragma once
// Page images for mark reading: a QImage (file or scanner) turned into a prepared page.
#include "entry/MarkReading.h"

#include <QImage>
#include <QString>
#include <optional>

// Prepares a page image of any format.
PreparedPage PrepareImage(const QImage& image);

// Reads a page image file (PNG, BMP, PNM, ...) and prepares it. On failure sets `error` to a sentence
// naming the file and the problem.
std::optional<PreparedPage> LoadPreparedPage(const QString& path, QString& error);
