#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QPainter;
class QWidget;

// Draws a view's picture on painter, filling the painter's device as the view fills its
// window (the device is as large as the picture).
using CPictureDraw = std::function<void(QPainter&)>;

// The picture of size pixels (each side 1 or more) on a white background.
QImage RenderImage(const QSize& size, const CPictureDraw& draw);
// The picture as an SVG document of size pixels on a white background, titled title.
QByteArray RenderSvg(const QSize& size, const CPictureDraw& draw, const QString& title);
// Writes the picture to path through the atomic writer: SVG when the name ends in ".svg"
// (any case), else PNG. Throws exchange::FileError.
void SavePicture(const std::string& path, const QSize& size, const CPictureDraw& draw, const QString& title);
// Puts the picture on the clipboard, as an image and as SVG ("image/svg+xml").
void CopyPicture(const QSize& size, const CPictureDraw& draw, const QString& title);

// Where and how large to save a picture.
struct CPictureRequest {
    std::string strPath;
    QSize size;
};

// The sides a picture may have, in pixels.
constexpr int kMinPictureSide = 16;
constexpr int kMaxPictureSide = 16384;

// Asks for a picture's size (a dialog starting at size) and then its file (a save dialog
// offering PNG and SVG, starting at defaultName, asking before overwriting). nullopt when
// either is cancelled.
std::optional<CPictureRequest> AskPictureFile(QWidget* parent, const QSize& size, const QString& defaultName);
